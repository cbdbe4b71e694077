#!/bin/bash
# Times the start-up of the application to the first idle moment of its event loop (offscreen),
# beside a bare Qt Widgets program that opens one empty window, each started the same way.
# Usage: bash scripts/benchmark-startup.sh [build folder] [runs]
# Fails when the application takes more than 1.5 times the bare program to its first idle moment,
# by the medians. The whole runs and the processor time are reported beside it: the bare window
# draws no text, so it reads the desktop's font configuration only as it closes, where every
# program that shows a line of text reads it before its first drawing.
set -euo pipefail

build=${1:-build}
runs=${2:-20}
app="$build/Calcimandarix.app/Contents/MacOS/calcimandarix"
bare="$build/tools/startupbench/bare_window"
for program in "$app" "$bare"; do
  [[ -x "$program" ]] || { echo "missing $program: build first (cmake --build $build)" >&2; exit 2; }
done

# Preferences that ask for no welcome window, in a folder of our own.
config=$(mktemp -d)
printf '\000\001\001\001' >"$config/Calcimandarix prefs"
idle_file=$(mktemp) app_times=$(mktemp) bare_times=$(mktemp)
trap 'rm -rf "$config" "$app_times" "$bare_times" "$idle_file"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$config" CALCIMANDARIX_QUIT_WHEN_IDLE=1

# One run: "idle total cpu" in milliseconds: from the launch to the first idle moment of the
# event loop (the time the program writes then), to the end of the process, and its user plus
# system time, measured by bash's own timer.
run_once() {
  local TIMEFORMAT='%3R %3U %3S' times launched idle_at
  launched=${EPOCHREALTIME/./}
  times=$({ time "$1" >"$idle_file" 2>/dev/null; } 2>&1)
  idle_at=$(head -n1 "$idle_file")
  awk -v t="$times" -v a="$launched" -v i="$idle_at" \
    'BEGIN { split(t, v, " "); printf "%.1f %.0f %.0f\n", (i - a) / 1000, v[1] * 1000, (v[2] + v[3]) * 1000 }'
}

# "median mean min max" of one column of numbers.
summary() {
  sort -n | awk '{ v[NR] = $1; sum += $1 }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
          printf "%.1f %.1f %.1f %.1f\n", m, sum / NR, v[1], v[NR] }'
}

# Two runs of each warm the caches; then the two programs take turns, so that a busy machine
# slows both alike.
for _ in 1 2; do run_once "$app" >/dev/null; run_once "$bare" >/dev/null; done
for ((i = 0; i < runs; i++)); do
  run_once "$app" >>"$app_times"
  run_once "$bare" >>"$bare_times"
done

report() {  # label column file
  read -r median mean min max < <(cut -d' ' -f"$2" "$3" | summary)
  printf '%-26s %8s %8s %8s %8s\n' "$1" "$median" "$mean" "$min" "$max"
}
median_of() { cut -d' ' -f"$1" "$2" | summary | cut -d' ' -f1; }

printf '%-26s %8s %8s %8s %8s  (ms, %d runs each)\n' "" median mean min max "$runs"
report "calcimandarix to idle" 1 "$app_times"
report "bare_window to idle" 1 "$bare_times"
report "calcimandarix whole run" 2 "$app_times"
report "bare_window whole run" 2 "$bare_times"
report "calcimandarix cpu" 3 "$app_times"
report "bare_window cpu" 3 "$bare_times"
ratio() { awk -v a="$(median_of "$1" "$app_times")" -v b="$(median_of "$1" "$bare_times")" 'BEGIN { printf "%.2f", a / b }'; }
idle_ratio=$(ratio 1)
echo "ratio of the medians: to idle $idle_ratio (limit 1.5); whole run $(ratio 2); cpu $(ratio 3)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v r="$idle_ratio" 'BEGIN { exit !(r <= 1.5) }'
