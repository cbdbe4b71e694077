#!/usr/bin/env bash
# Builds Calcimandarix into build-run/ (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
PRESET=run scripts/setup.sh
app=build-run/Calcimandarix.app/Contents/MacOS/calcimandarix
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display here. To run Calcimandarix on a virtual one:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $app"
  exit 1
fi
exec "$app"
