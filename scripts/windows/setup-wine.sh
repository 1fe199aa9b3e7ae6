#!/usr/bin/env bash
# setup-wine.sh WINEDIR win32|win64: a Wine of the build tree's own in WINEDIR. For win32 Debian's
# 32-bit Wine is unpacked into WINEDIR/root (its i386 packages fetched by apt with private lists:
# installing wine32 on the system would add a foreign architecture and upgrade many packages);
# win64 uses the system's wine64. The prefix has the null display driver and fonts-wine's fonts.
# Writes WINEDIR/ARCH.env for wine-test.sh. Fails with one line when the machine cannot run it.
set -euo pipefail
# Any step that fails without its own message still says so in one line.
trap 'echo "FAILED: $(basename "$0") stopped at line $LINENO" >&2' ERR
here=$(cd "$(dirname "$0")" && pwd)
dir=$1
arch=$2
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || fail "wine64 is not installed (scripts/install-deps.sh installs it)"
case $arch in
win32)
    root=$dir/root
    if [ ! -e "$root/.complete" ]; then
        # shellcheck source=private-apt.sh
        source "$here/private-apt.sh"
        private_apt "$dir/apt" i386
        apt-get "${apt_options[@]}" update ||
            fail "cannot read the i386 package lists of the Debian archive"
        apt-get "${apt_options[@]}" install -y --download-only --no-install-recommends wine32 \
            >/dev/null || fail "cannot download Debian's 32-bit Wine packages"
        rm -rf "$root"
        mkdir -p "$root"
        for deb in "$dir"/apt/archives/*.deb; do
            dpkg-deb -x "$deb" "$root"
        done
        # What libwine's installation script does: zlib of the mingw package as a built-in DLL.
        in=$root/usr/i686-w64-mingw32/lib/zlib1.dll
        {
            head -c 64 "$in"
            printf 'Wine builtin DLL'
            head -c 16 /dev/zero
            tail -c +97 "$in"
        } >"$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll"
        rm -rf "$dir/apt/archives"
        touch "$root/.complete"
    fi
    loader=$root/usr/lib/wine/wine
    libs=$root/usr/lib/i386-linux-gnu:$root/lib/i386-linux-gnu
    [ -x "$loader" ] || fail "32-bit Wine is missing from $root; remove that folder to unpack it again"
    "$loader" --version >/dev/null 2>&1 ||
        fail "this machine cannot run 32-bit x86 Linux programs, so 32-bit Wine cannot run here"
    ;;
win64)
    loader=/usr/lib/wine/wine64
    libs=
    [ -x "$loader" ] || fail "wine64 is not installed (scripts/install-deps.sh installs it)"
    ;;
*)
    fail "unknown Windows architecture '$arch' (win32 or win64)"
    ;;
esac

prefix=$dir/prefix-$arch
# Wine takes the encoding of Unix file names from the locale: under the bare POSIX locale of a
# fresh system a Windows name with a byte above 127 (a locations file "Caf\xC9.dat") cannot be
# made at all. The prefix is made under the same locale, so its code page is the Western one.
cat >"$dir/$arch.env" <<END
export LC_ALL=C.UTF-8
export WINEPREFIX='$prefix' WINEARCH=$arch WINESERVER='$wineserver' WINELOADER='$loader'
export LD_LIBRARY_PATH='$libs' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' DISPLAY=
END
# shellcheck disable=SC1090
source "$dir/$arch.env"
# A crashing test program gets a back trace on stderr and ends; the crash dialog would wait for
# a click for ever. The windows ask for "Times New Roman" and "Arial", which a Windows system
# has and Wine does not: Liberation's faces have their widths, as on the Linux windows.
settings=(
    'HKCU\Software\Wine\Drivers|Graphics|REG_SZ|null'
    'HKCU\Software\Wine\WineDbg|ShowCrashDialog|REG_DWORD|0'
    'HKCU\Software\Wine\Fonts\Replacements|Times New Roman|REG_SZ|Liberation Serif'
    'HKCU\Software\Wine\Fonts\Replacements|Arial|REG_SZ|Liberation Sans'
)
stamp=$prefix/.complete-${#settings[@]}
if [ ! -e "$stamp" ]; then
    rm -rf "$prefix"
    for setting in "${settings[@]}"; do
        IFS='|' read -r key name type data <<<"$setting"
        "$loader" reg add "$key" /v "$name" /t "$type" /d "$data" /f </dev/null >/dev/null 2>&1 ||
            fail "Wine could not make its prefix $prefix"
    done
    # Debian's Wine does not look in fonts-wine's folder.
    cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
    cp /usr/share/fonts/truetype/liberation2/Liberation{Serif,Sans}-*.ttf \
        "$prefix/drive_c/windows/Fonts/"
    "$wineserver" -w
    touch "$stamp"
fi
