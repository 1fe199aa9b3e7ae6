#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, when any is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libjpeg62-turbo-dev libjpeg-turbo-progs
    libgtest-dev googletest libbenchmark-dev
    g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-multilib qemu-user
    # The Windows build and its tests under Wine (scripts/windows): the -posix compilers, nasm
    # and dpkg-dev for libjpeg-turbo from its Debian source; wine64 (32-bit Wine is unpacked into
    # the build tree).
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix nasm dpkg-dev wine64
    xvfb xauth imagemagick xdotool fonts-dejavu-core
    # The windows' fonts, which the viewer loads itself: "MS Sans Serif" with the Windows
    # bitmap sizes, and faces with the widths of "Times New Roman" and "Arial".
    fonts-wine fonts-liberation2
    clang libclang-rt-14-dev
    strace desktop-file-utils
    # A window manager for the window tests that need real frames (placement under Xvfb).
    openbox x11-utils
    # The Windows release zip, and what the Debian package's library dependencies are read with
    # (scripts/package.sh).
    zip file
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
