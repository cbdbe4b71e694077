#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (only what is missing), then configures and builds.
# Usage: PRESET=run|test|benchmark|fuzz scripts/setup.sh
#   builds one of the presets of CMakePresets.json into its own folder (build-run, build-test,
#   build-bench, build-fuzz); a folder already configured is only built, so that the builds
#   never reconfigure each other and a build with nothing changed does nothing.
# Or: scripts/setup.sh [cmake options]
#   configures BUILD_DIR (default build) with those options and builds it, BUILD_TARGET alone
#   when it is set.
# JOBS (default: the number of processors) is the number of parallel build jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n libgl-dev libgtest-dev fonts-wqy-zenhei xvfb xauth clang-14 libclang-rt-14-dev xdg-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

jobs=${JOBS:-$(nproc)}

if [ -n "${PRESET:-}" ]; then
  build_dir=$(sed -n "/\"name\": \"$PRESET\"/,/binaryDir/s/.*\"binaryDir\": \"\${sourceDir}\/\([^\"]*\)\".*/\1/p" \
    CMakePresets.json | head -1)
  [ -n "$build_dir" ] || { echo "No configure preset named $PRESET in CMakePresets.json"; exit 1; }
  # Configured once; afterwards the build itself reconfigures when a CMakeLists.txt changed.
  # A changed preset configures again.
  if [ ! -f "$build_dir/CMakeCache.txt" ] || [ CMakePresets.json -nt "$build_dir/CMakeCache.txt" ]; then
    cmake --preset "$PRESET" >"$build_dir-configure.log" 2>&1 || { cat "$build_dir-configure.log"; exit 1; }
  fi
  cmake --build --preset "$PRESET" -j"$jobs"
  exit 0
fi

build_dir=${BUILD_DIR:-build}
target=()
if [ -n "${BUILD_TARGET:-}" ]; then target=(--target "$BUILD_TARGET"); fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$build_dir-configure.log" 2>&1 ||
  { cat "$build_dir-configure.log"; exit 1; }
cmake --build "$build_dir" -j"$jobs" "${target[@]}"
