#!/usr/bin/env bash
# Installs what is missing, builds and starts the program. Without a display it runs under a
# virtual one, saves a screenshot of the open window to build/screenshot.png and closes it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
app="$root/build/quorvane-fonts"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$app"
fi
shot="$root/build/screenshot.png"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  '$app' & pid=\$!
  sleep 3
  QT_QPA_PLATFORM=xcb '$root/build/tests/quorvane-screenshot' --screen '$shot'
  kill \$pid; wait \$pid 2>/dev/null || true"
echo "no display: the program ran under Xvfb; screenshot saved to $shot"
