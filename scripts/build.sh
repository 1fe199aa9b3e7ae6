#!/usr/bin/env bash
# build.sh DIR [cmake options...]: configures the project into DIR with the configure preset of
# CMakePresets.json that ORVD_PRESET names (dev when unset; asan, fuzz, release) and the options
# given, and builds it (all targets, or only those named in ORVD_TARGETS).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
launcher=()
if command -v ccache >/dev/null; then
    # Rebuilds of unchanged files, also from another checkout of the same sources, come from the cache.
    export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=true
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$dir" --preset "${ORVD_PRESET:-dev}" "${launcher[@]}" "$@" >/dev/null
targets=()
for t in ${ORVD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
