#!/usr/bin/env bash
# Installs what is missing, builds the viewer and the demo world (nothing else), and starts the
# viewer from the demo world's folder, which holds the maps, the locations files, the settings
# file ORVDMAP.ini and a copy of the program. Arguments go to the viewer (for example
# "testing"). Without a display it runs on Xvfb for a few seconds, chooses a place in the
# location list, saves a screenshot and prints where it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/scripts/install-deps.sh"
ORVD_TARGETS="ORVDMAP demo_world" "$root/scripts/build.sh" "$build"
viewer="$build/demo/ORVDMAP"

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
# The location list has the focus in the window: Down chooses its first place, and the view
# slides there. Should that fail, the screenshot shows the map's top-left corner.
window=$(DISPLAY=$display xdotool search --name "^Orvandel Map - " 2>/dev/null | head -n 1 || true)
if [ -n "$window" ]; then
    DISPLAY=$display xdotool windowfocus --sync "$window" key Down >/dev/null 2>&1 || true
    sleep 3
fi
DISPLAY=$display import -window root "$shot"
echo "No display: the viewer ran on Xvfb $display. Screenshot: $shot"
