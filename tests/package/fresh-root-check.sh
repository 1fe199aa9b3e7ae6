#!/usr/bin/env bash
# fresh-root-check.sh: the release on a clean Debian 12, as root in a fresh clone there
#   ../shared/tools/fresh-debian-check.sh bash tests/package/fresh-root-check.sh
# Makes the release with the README's set-up and scripts/package.sh, purges every package that
# this added, installs, starts and purges the Debian package (scripts/check-deb.sh), installs
# only the runtime packages that the viewer's README.txt names, unpacks the
# viewer into a new folder and starts it, first offscreen with nothing else installed, then under
# Xvfb (a screenshot as XWD), and installs, validates, launches and removes its desktop entry.
# What it saw goes to /root/release-check.
set -euo pipefail
out=/root/release-check
rm -rf "$out"
mkdir -p "$out"
export DEBIAN_FRONTEND=noninteractive
step() { printf '\n== %s\n' "$*"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# A clean root has no procps: the viewer's processes by their program file.
viewer_pids() {
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/exe" 2>/dev/null)" != "$dir/ORVDMAP" ] || echo "${p#/proc/}"
    done
}
installed() { dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" {print $2}' | sort; }

installed >"$out/packages-clean.txt"
step "set-up and release"
bash scripts/package.sh | tee "$out/package.log"
viewer=$(cd dist && ls -- orvandel-map-*-linux-x86_64.tar.gz)
viewer=${viewer%.tar.gz}
cp dist/* "$out/"

step "purging every package that the set-up and the build added"
installed >"$out/packages-built.txt"
comm -13 "$out/packages-clean.txt" "$out/packages-built.txt" >"$out/packages-purged.txt"
echo "$(wc -l <"$out/packages-purged.txt") packages"
xargs -a "$out/packages-purged.txt" apt-get purge -y -qq >/dev/null
apt-get autoremove --purge -y -qq >/dev/null
for tool in cmake gcc g++ c++ make ccache qmake6 moc git; do
    if command -v "$tool" >/dev/null; then fail "$tool is still installed"; fi
done

step "the Debian package on the clean system"
bash scripts/check-deb.sh "$(ls "$out"/orvandel-map_*_amd64.deb)"
cp -r /root/deb-check "$out/"
# Back to the clean system for the portable folder: the package's dependencies and the check's
# tools go again.
apt-get purge -y -qq xvfb x11-utils >/dev/null
apt-get autoremove --purge -y -qq >/dev/null

step "runtime packages as README.txt names them"
mkdir -p "/root/new folder"
tar -C "/root/new folder" -xzf "$out/$viewer.tar.gz"
dir="/root/new folder/$viewer"
command=$(grep -o 'apt-get install --no-install-recommends .*' "$dir/README.txt")
echo "$command"
apt-get update -qq
$command -y -qq >/dev/null
installed >"$out/packages-runtime.txt"
comm -13 "$out/packages-clean.txt" "$out/packages-runtime.txt" >"$out/packages-runtime-added.txt"
echo "$(wc -l <"$out/packages-runtime-added.txt") packages beyond the clean system"
if ldd "$dir/ORVDMAP" /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so | grep 'not found'; then
    fail "libraries missing"
fi

step "the viewer offscreen, with only those packages"
cd /root
QT_QPA_PLATFORM=offscreen "$dir/ORVDMAP" >"$out/offscreen.log" 2>&1 &
pid=$!
sleep 8
kill -0 "$pid" || { cat "$out/offscreen.log"; fail "the viewer ended"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
cat "$out/offscreen.log"
echo "ran 8 s"

step "the viewer under Xvfb"
# Check tools only, installed after the runtime check: Xvfb, the desktop file validator, gio.
apt-get install -y -qq --no-install-recommends xvfb desktop-file-utils libglib2.0-bin >/dev/null
installed | comm -13 "$out/packages-runtime.txt" - >"$out/packages-check-tools.txt"
mkdir -p "$out/fb"
Xvfb :7 -screen 0 1024x768x24 -nolisten tcp -fbdir "$out/fb" >"$out/xvfb.log" 2>&1 &
xvfb=$!
sleep 2
DISPLAY=:7 "$dir/ORVDMAP" >"$out/xcb.log" 2>&1 &
pid=$!
sleep 10
kill -0 "$pid" || { cat "$out/xcb.log"; fail "the viewer ended under Xvfb"; }
cp "$out/fb/Xvfb_screen0" "$out/screenshot.xwd"
kill "$pid"
wait "$pid" 2>/dev/null || true
cat "$out/xcb.log"
echo "screenshot: $out/screenshot.xwd"

step "desktop entry"
"$dir/install-desktop-entry.sh"
entry=/root/.local/share/applications/orvandel-map.desktop
cat "$entry"
desktop-file-validate "$entry" && echo "desktop-file-validate: no complaint"
find /root/.local/share -type f | sort
DISPLAY=:7 gio launch "$entry" >"$out/gio.log" 2>&1 &
sleep 8
pids=$(viewer_pids)
[ -n "$pids" ] || { cat "$out/gio.log"; fail "the launcher did not start the viewer"; }
echo "the launcher started $dir/ORVDMAP (process $pids)"
cp "$out/fb/Xvfb_screen0" "$out/launched.xwd"
kill $pids
"$dir/install-desktop-entry.sh" --remove
left=$(find /root/.local/share -type f)
[ -z "$left" ] || fail "left after --remove: $left"
kill "$xvfb"
echo "release check passed"
