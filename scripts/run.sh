#!/usr/bin/env bash
# Installs what is missing, builds and starts the program. Without a display it runs under a
# virtual one, saves a screenshot of the open window to build/screenshot.png and closes it
# with Esc.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
app="$root/build/quorvane-fonts"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$app"
fi
"$root/scripts/smoke.sh" "$root/build" "$root/build/screenshot.png"
echo "no display: the program ran under Xvfb; its screenshot is build/screenshot.png"
