#!/usr/bin/env bash
# Builds the fuzz target of the reader and the writer (clang, libFuzzer, address and
# undefined-behaviour sanitizers) into build-fuzz/ and runs it.
# Usage: bash scripts/fuzz.sh SECONDS [libFuzzer options, e.g. -runs=10000000]
#   explores for SECONDS seconds from the seeds in tests/fuzz/seeds and the corpus it keeps,
#   and grows, in build-fuzz/corpus.
# Or: bash scripts/fuzz.sh --seeded [RUNS]
#   the test command's run: RUNS inputs (default 100000) from a fixed random seed, starting from
#   the seeds alone with an empty corpus, so that two runs in the same checkout take the same
#   inputs and print the same coverage.
# A crash, a hang or a sanitizer report stops it with a non-zero exit and the input saved in
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
PRESET=fuzz scripts/setup.sh
fuzzer=build-fuzz/tests/fuzz/calcimandarix_fuzz
mkdir -p build-fuzz/findings
# The per-input limit is generous, so that a busy machine is not taken for a hang.
options=(-timeout=60 -max_len=4096 -rss_limit_mb=4096 -artifact_prefix=build-fuzz/findings/ -print_final_stats=1)

if [ "${1:-}" = "--seeded" ]; then
  runs=${2:-100000}
  # libFuzzer writes the inputs it finds into the first folder it is given: a fresh one, never
  # the seeds. -reload=0: nothing is read back from it during the run, whatever the clock says.
  corpus=build-fuzz/seeded-corpus
  rm -rf "$corpus"
  mkdir -p "$corpus"
  # The comparisons that guide the mutations see pointers too, so the same seed takes the same
  # inputs only where the addresses are the same: laid out without randomisation, under an
  # environment of fixed size (it lies on the stack). Qt's hashes get a fixed seed.
  fixed_layout=()
  if setarch "$(uname -m)" -R true 2>/dev/null; then
    fixed_layout=(setarch "$(uname -m)" -R)
  else
    echo "Cannot turn off address randomisation here: this run may differ from the next."
  fi
  exec env -i PATH=/usr/bin:/bin QT_HASH_SEED=0 "${fixed_layout[@]}" "$fuzzer" -seed=1 -runs="$runs" \
    -reload=0 "${options[@]}" "$corpus" tests/fuzz/seeds
fi

seconds=${1:-10}
shift || true
mkdir -p build-fuzz/corpus
exec "$fuzzer" -max_total_time="$seconds" "${options[@]}" "$@" build-fuzz/corpus tests/fuzz/seeds
