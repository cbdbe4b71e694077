#!/usr/bin/env bash
# Builds Calcimandarix and its tests (installing what is missing) and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
# A short fuzz run of the reader and the writer under the sanitizers, first, so that CTest's
# summary closes the output.
bash scripts/fuzz.sh 5
# The benchmark is built too, so that a change that breaks it shows here; it is not run.
scripts/setup.sh -DCALCIMANDARIX_TESTS=ON -DCALCIMANDARIX_WERROR=ON -DCALCIMANDARIX_BENCHMARKS=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
