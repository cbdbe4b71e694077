#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (only what is missing), then configures and builds.
# Usage: scripts/setup.sh [extra cmake options]
# BUILD_DIR (default build) names the build folder, BUILD_TARGET the one target to build.
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

build_dir=${BUILD_DIR:-build}
target=()
if [ -n "${BUILD_TARGET:-}" ]; then target=(--target "$BUILD_TARGET"); fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$build_dir-configure.log" 2>&1 ||
  { cat "$build_dir-configure.log"; exit 1; }
cmake --build "$build_dir" -j"$(nproc)" "${target[@]}"
