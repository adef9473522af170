#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture: the window after a press of 一键浏览, under
# a virtual display with the fonts installed on this machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$root/build/tests/quorvane-screenshot" --preview "$root/docs/screenshot.png"
echo "saved docs/screenshot.png"
