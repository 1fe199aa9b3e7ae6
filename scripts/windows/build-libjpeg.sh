#!/usr/bin/env bash
# build-libjpeg.sh DIR TOOLCHAIN: libjpeg-turbo for Windows, built from Debian's source package
# (Debian has no Windows build of it) with the project's mingw toolchain file, static, and
# installed into DIR/install. Does nothing when DIR already holds a finished build.
set -euo pipefail
# Any step that fails without its own message still says so in one line.
trap 'echo "FAILED: $(basename "$0") stopped at line $LINENO" >&2' ERR
here=$(cd "$(dirname "$0")" && pwd)
dir=$1
toolchain=$2
[ -e "$dir/install/.complete" ] && exit 0
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
command -v nasm >/dev/null || fail "nasm is not installed (scripts/install-deps.sh installs it)"
command -v dpkg-source >/dev/null || fail "dpkg-dev is not installed (scripts/install-deps.sh installs it)"
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
if [ ! -e "$dir/source/.complete" ]; then
    # shellcheck source=private-apt.sh
    source "$here/private-apt.sh"
    private_apt "$dir/apt" "$(dpkg --print-architecture)"
    apt-get "${apt_options[@]}" update || fail "cannot read the Debian archive's source lists"
    rm -rf "$dir/download" "$dir/source"
    mkdir -p "$dir/download"
    (cd "$dir/download" && apt-get "${apt_options[@]}" source --download-only libjpeg-turbo >/dev/null) ||
        fail "cannot download Debian's libjpeg-turbo source package"
    dpkg-source --no-check -x "$dir"/download/libjpeg-turbo_*.dsc "$dir/source" >/dev/null
    rm -rf "$dir/download" "$dir/apt"
    touch "$dir/source/.complete"
fi
rm -rf "$dir/build"
cmake -S "$dir/source" -B "$dir/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$dir/install" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON >/dev/null ||
    fail "libjpeg-turbo's Windows build could not be configured"
cmake --build "$dir/build" --parallel "$(nproc)" --target install >/dev/null ||
    fail "libjpeg-turbo's Windows build failed"
rm -rf "$dir/build"
touch "$dir/install/.complete"
