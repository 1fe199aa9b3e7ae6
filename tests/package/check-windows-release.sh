#!/usr/bin/env bash
# check-windows-release.sh ZIP WORK: unpacks the Windows release into a new folder (its name with
# a blank) and starts ORVDMAP.exe from another working folder under 32-bit Wine on a virtual
# screen: the window must show the demo world's map, slide to a place chosen in the location
# list with the keyboard, and write ORVDMAP.ini beside itself when File > Exit ends it.
set -euo pipefail
zip=$1
work=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$root/scripts/windows/setup-wine.sh" "$work/wine" win32 >/dev/null
# shellcheck disable=SC1091
source "$work/wine/win32.env"
# The prefix of the tests draws nothing; this one draws on the virtual screen, in frames of
# Wine's own (there is no window manager).
export WINEPREFIX=$work/wine/prefix-x11
if [ ! -e "$WINEPREFIX/.complete" ]; then
    rm -rf "$WINEPREFIX"
    cp -a "$work/wine/prefix-win32" "$WINEPREFIX"
    "$WINELOADER" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.complete"
fi

run=$work/unpacked-win32
rm -rf "$run"
mkdir -p "$run/new folder" "$run/elsewhere"
cmake -E chdir "$run/new folder" cmake -E tar xf "$zip"
dir=$(echo "$run/new folder"/orvandel-map-*-win32)
[ -f "$dir/ORVDMAP.exe" ] || fail "no ORVDMAP.exe in the Windows release"

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 30 display <&3 || fail "Xvfb did not start"
export DISPLAY=:$display
program=
stop() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    "$WINESERVER" -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT

(cd "$run/elsewhere" && exec "$WINELOADER" "$dir/ORVDMAP.exe" >"$run/viewer.log" 2>&1) &
program=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Orvandel Map - English$' |
    head -n 1) || fail "no main window with the demo world's English places appeared"
sleep 2
colours() { # the number of colours in the main window now
    import -window "$window" png:- | convert png:- -format '%k' info:
}
before=$(colours)
[ "$before" -gt 1000 ] || fail "the main window shows no map ($before colours)"
shot() { import -window "$window" "$run/$1.png"; }
shot start

# The location list has the focus when the window opens; Down chooses its first place.
xdotool key Down
sleep 3
shot moved
if cmp -s "$run/start.png" "$run/moved.png" ||
    [ "$(compare -metric AE "$run/start.png" "$run/moved.png" null: 2>&1 || true)" -lt 10000 ]; then
    fail "choosing a place did not move the map"
fi

xdotool key alt+f
sleep 0.5
xdotool key x
for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "File > Exit did not end the program"
program=
grep -q '^\[Config\]' "$dir/ORVDMAP.ini" 2>/dev/null ||
    fail "no ORVDMAP.ini beside the program after it ended"
grep -q '^Language=Engli' "$dir/ORVDMAP.ini" || fail "ORVDMAP.ini lacks the language"
[ ! -e "$run/elsewhere/ORVDMAP.ini" ] || fail "ORVDMAP.ini was written into the working folder"
echo "The Windows release ran under Wine: map shown, place reached, settings written."
