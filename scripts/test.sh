#!/usr/bin/env bash
# Builds Calcimandarix and its tests into build-test/ (installing what is missing) and runs
# every test headless. JOBS (default: the number of processors) bounds the parallel jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
# A fuzz run of the reader and the writer under the sanitizers, first, so that CTest's summary
# closes the output; seeded, so that every run of the same tree takes the same inputs.
bash scripts/fuzz.sh --seeded
# The benchmark is built too, so that a change that breaks it shows here; it is not run.
PRESET=test scripts/setup.sh
ctest --preset test -j"${JOBS:-$(nproc)}"
