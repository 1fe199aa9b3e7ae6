#!/usr/bin/env bash
# check-deb.sh [PACKAGE]: installs the Debian package (by default dist/orvandel-map_*_amd64.deb)
# with apt on this machine, as root, without recommended packages; starts orvandel-map as an
# ordinary user under Xvfb (a screenshot as XWD) and checks its window's class against the
# launcher's StartupWMClass; then removes and purges the package and fails if anything of it
# is left but the user's own settings. Meant for a clean Debian 12 (fresh-debian-check.sh);
# what it saw goes to /root/deb-check. Installs xvfb and x11-utils for the check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "${1:-$(ls "$root"/dist/orvandel-map_*_amd64.deb)}")
out=/root/deb-check
user=orvd-check
export DEBIAN_FRONTEND=noninteractive
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { printf '\n== %s\n' "$*"; }
[ "$(id -u)" -eq 0 ] || fail "run as root"
rm -rf "$out"
mkdir -p "$out"

step "apt install $deb"
apt-get update -qq
apt-get install -y -qq --no-install-recommends "$deb" >"$out/install.log"
dpkg -L orvandel-map | sort >"$out/files.txt"
if ldd /usr/lib/orvandel-map/ORVDMAP | grep 'not found'; then fail "libraries missing"; fi
command -v orvandel-map >/dev/null || fail "no orvandel-map on the PATH"
orvandel-map --version | tee "$out/version.txt"

step "orvandel-map as the user $user under Xvfb"
apt-get install -y -qq --no-install-recommends xvfb x11-utils >/dev/null
id "$user" >/dev/null 2>&1 || useradd --create-home "$user"
home=$(getent passwd "$user" | cut -d: -f6)
mkdir -p "$out/fb"
Xvfb :9 -screen 0 1280x1024x24 -nolisten tcp -fbdir "$out/fb" >"$out/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 2
su - "$user" -c "DISPLAY=:9 XDG_RUNTIME_DIR= orvandel-map" >"$out/viewer.log" 2>&1 &
sleep 10
# A clean root has no procps: the viewer's process by its program file.
pid=$(for p in /proc/[0-9]*; do
    [ "$(readlink "$p/exe" 2>/dev/null)" != /usr/lib/orvandel-map/ORVDMAP ] || echo "${p#/proc/}"
done)
[ -n "$pid" ] || { cat "$out/viewer.log"; fail "orvandel-map did not start or ended"; }
[ "$(stat -c %U "/proc/$pid")" = "$user" ] || fail "orvandel-map runs as $(stat -c %U "/proc/$pid")"
cp "$out/fb/Xvfb_screen0" "$out/screenshot.xwd"
class=$(grep -x 'StartupWMClass=.*' /usr/share/applications/orvandel-map.desktop | cut -d= -f2)
DISPLAY=:9 xwininfo -root -tree >"$out/windows.txt"
grep -qF "\"$class\")" "$out/windows.txt" || fail "no window of the class $class: $(cat "$out/windows.txt")"
echo "running as $user (process $pid), a window of the class \"$class\"; screenshot $out/screenshot.xwd"
kill "$pid"
sleep 1

step "apt remove, then purge"
apt-get remove -y -qq orvandel-map >/dev/null
# A package without configuration files is forgotten by its removal; one that is not, is purged.
if dpkg-query -W orvandel-map >/dev/null 2>&1; then dpkg --purge orvandel-map >/dev/null; fi
left=$(while read -r f; do
    # Folders that other packages share (/usr, /usr/share/icons/hicolor/...) stay.
    if [ -e "$f" ] && ! [ -d "$f" ]; then echo "$f"; fi
done <"$out/files.txt")
[ -z "$left" ] || fail "left after purge: $left"
[ ! -e /usr/lib/orvandel-map ] || fail "/usr/lib/orvandel-map is left"
ls -la "$home/.config/orvandel-map" 2>/dev/null || true
echo "the package is gone; the user's own folder $home/.config/orvandel-map is theirs"
echo "deb check passed"
