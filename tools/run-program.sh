#!/usr/bin/env bash
# Starts the program, or says how to where there is no display.
set -euo pipefail
program="$1"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display is available here. Start the program under a virtual display with:"
  echo "  xvfb-run -a -s '-screen 0 1280x800x24' $program"
  exit 0
fi
export ASAN_OPTIONS=detect_leaks=0
exec "$program"
