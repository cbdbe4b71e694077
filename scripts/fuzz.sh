#!/usr/bin/env bash
# Builds the fuzz target of the reader and the writer (clang, libFuzzer, address and
# undefined-behaviour sanitizers) into build-fuzz/ and runs it for SECONDS seconds, from the
# seeds in tests/fuzz/seeds and the corpus it keeps in build-fuzz/corpus.
# Usage: bash scripts/fuzz.sh SECONDS [libFuzzer options, e.g. -runs=10000000]
# A crash, a hang or a sanitizer report stops it with a non-zero exit and the input saved.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
CC=clang-14 CXX=clang++-14 BUILD_DIR=build-fuzz BUILD_TARGET=calcimandarix_fuzz \
  scripts/setup.sh -DCALCIMANDARIX_TESTS=OFF -DCALCIMANDARIX_FUZZ=ON
mkdir -p build-fuzz/corpus build-fuzz/findings
# The per-input limit is generous, so that a busy machine is not taken for a hang.
build-fuzz/tests/fuzz/calcimandarix_fuzz -max_total_time="$seconds" -timeout=60 -max_len=4096 \
  -rss_limit_mb=4096 -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$@" \
  build-fuzz/corpus tests/fuzz/seeds
