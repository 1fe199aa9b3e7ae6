#!/usr/bin/env bash
# check-package.sh SOURCE WORK VERSION: makes the release twice, from SOURCE and from a copy of it
# at another path with new file times, and fails unless both give the same bytes. Then checks
# the archives' entries against viewer-files.txt and strveil-files.txt and that README.md lists
# the runtime packages of README.txt, unpacks the viewer into a new folder and starts it there
# (offscreen, from another working folder), checks that it read the demo world beside itself,
# installs and removes its launcher, checks strveil.fll's export, and runs the unpacked Windows
# viewer under Wine (check-windows-release.sh).
set -euo pipefail
src=$1
work=$2
version=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
viewer=orvandel-map-$version-linux-x86_64
viewer_win32=orvandel-map-$version-win32
strveil=strveil-$version-win32

package() { # NAME SOURCE
    ORVD_PACKAGE_BUILD=$work/build-$1 ORVD_DIST=$work/dist-$1 bash "$2/scripts/package.sh" >/dev/null ||
        fail "scripts/package.sh failed in $2"
}
package a "$src"
rm -rf "$work/copy"
mkdir -p "$work/copy/src"
(cd "$src" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -C "$work/copy/src" -xmf -
package b "$work/copy/src"

deb=orvandel-map_${version}_amd64.deb
for f in "$viewer.tar.gz" "$deb" "$viewer_win32.zip" "$strveil.zip" SHA256SUMS; do
    [ -f "$work/dist-a/$f" ] || fail "no $f in the release"
    if ! cmp -s "$work/dist-a/$f" "$work/dist-b/$f"; then
        diff <(cmake -E tar tvf "$work/dist-a/$f") <(cmake -E tar tvf "$work/dist-b/$f") >&2 || true
        fail "$f differs between two builds of the same sources"
    fi
done
(cd "$work/dist-a" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"

entries() { # ARCHIVE TOP: mode, owner and name of each entry, less the top folder
    cmake -E tar tvf "$1" | awk '{print $1, $3 "/" $4, $NF}' | sed -e "s| $2/\$| ./|" -e "s| $2/| |"
}
diff <(grep -v '^#' "$here/viewer-files.txt") <(entries "$work/dist-a/$viewer.tar.gz" "$viewer") ||
    fail "the viewer archive's entries are not those of viewer-files.txt"
diff <(grep -v '^#' "$here/strveil-files.txt") <(entries "$work/dist-a/$strveil.zip" "$strveil") ||
    fail "the strveil archive's entries are not those of strveil-files.txt"
diff <(grep -v '^#' "$here/viewer-win32-files.txt") \
    <(entries "$work/dist-a/$viewer_win32.zip" "$viewer_win32") ||
    fail "the Windows viewer archive's entries are not those of viewer-win32-files.txt"
readme_win32=$(cd "$work" && cmake -E tar xf "$work/dist-a/$viewer_win32.zip" \
    "$viewer_win32/README.txt" && cat "$viewer_win32/README.txt" && rm -r "$viewer_win32")
[ "$(grep -c $'\r$' <<<"$readme_win32")" -eq "$(wc -l <<<"$readme_win32")" ] ||
    fail "the Windows README.txt does not end every line with CR LF"

readme=$(tar -xzOf "$work/dist-a/$viewer.tar.gz" "$viewer/README.txt")
packages=$(grep -o 'apt-get install --no-install-recommends .*' <<<"$readme") ||
    fail "README.txt names no runtime packages"
grep -qF "$packages" "$src/README.md" || fail "README.md does not list the runtime packages: $packages"

# The Debian package's files (scripts/check-deb.sh installs it): the program folder read-only,
# the launcher valid and tied to the window's class, every icon size.
debroot=$work/deb
rm -rf "$debroot"
dpkg-deb -x "$work/dist-a/$deb" "$debroot"
[ "$(stat -c %a "$debroot/usr/lib/orvandel-map")" = 555 ] || fail "the package's program folder can be written"
[ "$(readlink -f "$debroot/usr/bin/orvandel-map")" = "$debroot/usr/lib/orvandel-map/ORVDMAP" ] ||
    fail "/usr/bin/orvandel-map does not lead to the program"
desktop-file-validate "$debroot/usr/share/applications/orvandel-map.desktop" ||
    fail "the package's launcher does not validate"
sizes="16 32 48 64 128 256"
for size in $sizes; do
    [ -f "$debroot/usr/share/icons/hicolor/${size}x$size/apps/orvandel-map.png" ] || fail "no $size px icon in the package"
done
[ -f "$debroot/usr/share/doc/orvandel-map/copyright" ] || fail "no copyright file in the package"
dpkg-deb -f "$work/dist-a/$deb" Depends | grep -q 'libqt6widgets6 (>= ' || fail "Depends without versions"

# A new folder, its name with a blank and a "%", as a user's might be.
run=$work/unpacked
rm -rf "$run"
mkdir -p "$run/new 100% folder"
tar -C "$run/new 100% folder" -xzf "$work/dist-a/$viewer.tar.gz"
dir="$run/new 100% folder/$viewer"
[ "$(stat -c %a "$dir")" = 755 ] || fail "the archive's top folder is not drwxr-xr-x"
trace=$run/openat.log
cd "$run"
QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=openat -o "$trace" "$dir/ORVDMAP" >"$run/viewer.log" 2>&1 &
tracer=$!
stop() {
    pkill -P "$tracer" 2>/dev/null || true
    wait "$tracer" 2>/dev/null || true
}
trap stop EXIT
# The locations file is the last thing that start-up reads.
for _ in $(seq 600); do
    grep -q "\"$dir/NR_Engli.dat\", O_RDONLY[A-Z_|]*) = [0-9]" "$trace" 2>/dev/null && break
    kill -0 "$tracer" 2>/dev/null || { cat "$run/viewer.log" >&2; fail "the viewer ended during start-up"; }
    sleep 0.1
done
sleep 1
kill -0 "$tracer" 2>/dev/null || { cat "$run/viewer.log" >&2; fail "the viewer ended after start-up"; }
stop
for f in NR.map NR_small.map NR_Engli.dat; do
    grep -q "\"$dir/$f\", O_RDONLY[A-Z_|]*) = [0-9]" "$trace" || fail "the viewer did not read $f beside itself"
done

export XDG_DATA_HOME=$run/data
"$dir/install-desktop-entry.sh" --remove | grep -q '^There was no launcher to remove' ||
    fail "--remove without a launcher did not say so"
"$dir/install-desktop-entry.sh" >/dev/null
entry=$XDG_DATA_HOME/applications/orvandel-map.desktop
desktop-file-validate "$entry" || fail "the launcher does not validate"
grep -qxF "TryExec=$dir/ORVDMAP" "$entry" || fail "the launcher does not start $dir/ORVDMAP"
for e in "$entry" "$debroot/usr/share/applications/orvandel-map.desktop"; do
    grep -qxF "StartupWMClass=Orvandel Map" "$e" || fail "$e names another window class"
done
# What a launcher runs: its Exec line as GLib splits it, "%%" made "%" (the strace above
# showed that the program reads its folder when started by that path).
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/\\\\/\\/g; s/%%/%/g')
eval "set -- $exec_line"
[ "$1 $2 $4" = "sh -c $dir/ORVDMAP" ] || fail "the launcher runs $*"
for size in $sizes; do
    cmp -s "$dir/icons/${size}x$size/orvandel-map.png" \
        "$XDG_DATA_HOME/icons/hicolor/${size}x$size/apps/orvandel-map.png" || fail "no $size px icon"
done
"$dir/install-desktop-entry.sh" --remove | grep -q '^Removed the launcher' || fail "--remove said nothing"
[ -z "$(find "$XDG_DATA_HOME" -type f)" ] || fail "--remove left $(find "$XDG_DATA_HOME" -type f)"

mkdir -p "$run/win32"
(cd "$run/win32" && cmake -E tar xf "$work/dist-a/$strveil.zip")
readme=$run/win32/$strveil/README.txt
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "strveil's README.txt has lines without CR LF"
cmake -DOBJDUMP=i686-w64-mingw32-objdump -DFLL="$run/win32/$strveil/strveil.fll" \
    -P "$src/strveil/tests/CheckFllTables.cmake" >/dev/null || fail "strveil.fll's tables"
"$here/check-windows-release.sh" "$work/dist-a/$viewer_win32.zip" "$work" >/dev/null ||
    fail "the Windows release does not run under Wine"
echo "release $version: same bytes from two builds, entries as listed, the viewer starts unpacked"
