#!/usr/bin/env bash
# Installs what is missing, builds, and starts the viewer. Arguments go to the viewer (for
# example "testing"). Without a display it runs on Xvfb for a few seconds, saves a screenshot
# and prints where it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
viewer="$root/build/viewer/ORVDMAP"

if [ -n "${DISPLAY:-}" ]; then
    exec "$viewer" "$@"
fi

shot_dir="$root/out"
mkdir -p "$shot_dir"
shot="$shot_dir/screenshot.png"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
viewer_pid=
trap 'kill $viewer_pid $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display "$viewer" "$@" &
viewer_pid=$!
sleep "${ORVD_SCREENSHOT_DELAY:-4}"
DISPLAY=$display import -window root "$shot"
echo "No display: the viewer ran on Xvfb $display. Screenshot: $shot"
