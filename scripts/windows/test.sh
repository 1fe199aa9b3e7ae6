#!/usr/bin/env bash
# test.sh [i686|x86_64 [BUILDDIR]]: builds the project for Windows with mingw-w64 (default the
# 32-bit build that ships, into build-win32) and runs its tests as Windows programs under the
# build tree's own Wine. Fails when a step cannot run on this machine, never passes without
# having run the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
arch=${1:-i686}
case $arch in
i686) wine_arch=win32 ;;
x86_64) wine_arch=win64 ;;
*)
    echo "FAILED: unknown Windows build '$arch' (i686 or x86_64)" >&2
    exit 1
    ;;
esac
dir=${2:-$root/build-$wine_arch}
if ! command -v "$arch-w64-mingw32-g++-posix" >/dev/null; then
    echo "FAILED: the $arch mingw-w64 compiler is not installed (scripts/install-deps.sh installs it)" >&2
    exit 1
fi

ORVD_PRESET=$wine_arch "$root/scripts/build.sh" "$dir"
"$root/scripts/windows/setup-wine.sh" "$dir/wine" "$wine_arch"

# shellcheck disable=SC1090
source "$dir/wine/$wine_arch.env"
# Wine's background server, started by the first program, would keep that test's output open
# and ctest would wait for it forever: start it here, with no output of ours, and stop it after.
# One that is already running for this prefix (a developer's) refuses a second; it serves as well.
"$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
trap '"$WINESERVER" -k' EXIT
"$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "$dir" --output-on-failure --no-tests=error --parallel "$(nproc)"
