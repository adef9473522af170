#!/usr/bin/env bash
# Starts the built program under a virtual display, presses Enter (the focus starts on 一键浏览),
# saves a screenshot of the window with its preview, closes it with Esc as a user would and
# checks that it ended with exit code 0.
# Usage: smoke.sh BUILD_DIR SCREENSHOT.png
set -euo pipefail
dir=$1
shot=$2
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -u
  "$0/quorvane-fonts" & pid=$!
  for _ in $(seq 100); do
    win=$(xdotool search --name "Quorvane~" 2>/dev/null | head -n 1) && [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "${win:-}" ] || { echo "the window did not appear"; kill $pid; exit 1; }
  xdotool windowfocus --sync "$win" key Return
  sleep 2
  QT_QPA_PLATFORM=xcb "$0/tests/quorvane-screenshot" --screen "$1"
  xdotool windowfocus --sync "$win" key Escape
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "Esc did not close the window"; kill $pid; exit 1; fi
  code=0
  wait $pid || code=$?
  echo "the program ended with exit code $code"
  exit $code' "$dir" "$shot"
