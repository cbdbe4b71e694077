#!/usr/bin/env bash
# Builds what the benchmark needs (installing what is missing) into build-bench/, optimised,
# and prints one table: each measure of the program beside its floor, measured in turns.
# Usage: bash scripts/benchmark.sh [start-up runs] [samples of each in-process measure]
# It reports and exits 0; the README says what the table means.
set -euo pipefail
cd "$(dirname "$0")/.."
PRESET=benchmark scripts/setup.sh
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
QT_QPA_PLATFORM=offscreen build-bench/tests/calcimandarix_benchmarks "$@"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
