#!/usr/bin/env bash
# run-under-window-manager.sh PROGRAM [ARGS...]: runs a window test on a display of its own
# (Xvfb picks a free number) with a window manager (openbox), so that windows get real frames.
set -euo pipefail
dir=$(mktemp -d)
wm=
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(head -1 "$dir/display")
HOME=$dir openbox --sm-disable >"$dir/wm.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
