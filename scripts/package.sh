#!/usr/bin/env bash
# package.sh: installs what is missing, builds the release (Release, in build-release and, for
# Windows, build-release-win32) and writes into dist/ the viewer's portable folder for Linux
# (orvandel-map-<version>-linux-x86_64.tar.gz), its Debian package (orvandel-map_<version>_amd64.deb),
# the viewer for Windows (orvandel-map-<version>-win32.zip), strveil for Windows
# (strveil-<version>-win32.zip) and SHA256SUMS of the four. The same commit gives the same bytes:
# file times are the commit's (SOURCE_DATE_EPOCH, unless set), the owner root.
# ORVD_PACKAGE_BUILD and ORVD_DIST choose other folders.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVD_PACKAGE_BUILD:-$root/build-release}
dist=${ORVD_DIST:-$root/dist}
"$root/scripts/install-deps.sh"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null) ||
        { echo "package.sh: not a git checkout: set SOURCE_DATE_EPOCH to the release's time" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH
# Zip entries hold local times, and files the build makes get the umask's modes.
export TZ=UTC LC_ALL=C
umask 022

ORVD_PRESET=release ORVD_TARGETS="ORVDMAP demoworld_gen strveil_win32" "$root/scripts/build.sh" \
    "$build" >/dev/null
# The Debian package's program folder has no write bits, in the staging folder too.
chmod -R u+w "$build/cpack" 2>/dev/null || true
rm -rf "$build/cpack"
cpack --config "$build/CPackConfig.cmake" -B "$build/cpack" >"$build/cpack.log" ||
    { cat "$build/cpack.log"; exit 1; }

# cpack writes no entry for the portable archive's top folder, so tar would make it with the
# unpacking user's umask and the time of unpacking: the archive is written again with it.
for tgz in "$build/cpack"/*.tar.gz; do
    top=$(basename "$tgz" .tar.gz)
    rm -rf "$build/repack"
    mkdir -p "$build/repack"
    tar -C "$build/repack" -xzf "$tgz"
    chmod 755 "$build/repack/$top"
    tar -C "$build/repack" --sort=name --format=gnu --mtime="@$SOURCE_DATE_EPOCH" \
        --owner=root:0 --group=root:0 -cf - "$top" | gzip -9n >"$tgz"
    rm -rf "$build/repack"
done

mapfile -t archives < <(cd "$build/cpack" && ls -- *.tar.gz *.deb *.zip)
mkdir -p "$dist"
for a in "${archives[@]}"; do
    cp "$build/cpack/$a" "$dist/$a"
done

# Windows: the 32-bit program, its help file and the demo world in one folder of the zip, with
# a README.txt in CR LF lines. Entries in name order, all with the commit's time and mode 644.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
win_build=$build-win32
ORVD_PRESET=win32 ORVD_TARGETS=ORVDMAP "$root/scripts/build.sh" "$win_build" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
name=orvandel-map-$version-win32
stage=$win_build/zip/$name
rm -rf "$win_build/zip"
mkdir -p "$stage"
i686-w64-mingw32-strip -o "$stage/ORVDMAP.exe" "$win_build/viewer/ORVDMAP.exe"
cp "$root/viewer/resources/orvd.hlp" "$stage/"
"$build/tools/demoworld/demoworld_gen" "$stage" >/dev/null
sed -e "s/@PROJECT_VERSION@/$version/g" -e 's/$/\r/' "$root/packaging/viewer-win32/README.txt.in" \
    >"$stage/README.txt"
find "$win_build/zip" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
find "$stage" -type f -exec chmod 644 {} +
rm -f "$dist/$name.zip"
(cd "$win_build/zip" && find "$name" -type f | sort | zip -X -D -q "$dist/$name.zip" -@)
archives+=("$name.zip")
(cd "$dist" && sha256sum "${archives[@]}" >SHA256SUMS)
echo "Release in $dist:"
(cd "$dist" && cat SHA256SUMS)
