#!/usr/bin/env bash
# wine-test.sh WINEDIR win32|win64 PROGRAM [ARGUMENTS...]: runs a Windows test program under the
# build tree's Wine (setup-wine.sh). Passes only when the program exits with 0 AND printed its
# own success line: a program that Wine cannot start may exit 0 without running a single test.
set -uo pipefail
dir=$1
arch=$2
shift 2
if [ ! -e "$dir/$arch.env" ]; then
    echo "FAILED: no $arch Wine in $dir; scripts/windows/test.sh sets it up" >&2
    exit 1
fi
# shellcheck disable=SC1090
source "$dir/$arch.env"
# The output goes to a file, not a pipe: a process the program leaves behind (a debugger after a
# crash) would keep a pipe open and this script waiting. A program that hangs is ended.
limit=300
output=$(mktemp)
trap 'rm -f "$output"' EXIT
timeout --kill-after=10 "$limit" "$WINELOADER" "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "FAILED: $(basename "$1") did not end within $limit s under Wine" >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "FAILED: $(basename "$1") exited with $status under Wine" >&2
    exit 1
fi
if ! grep -qE '^\[  PASSED  \] [0-9]+ tests?\.' "$output"; then
    echo "FAILED: $(basename "$1") exited under Wine without its success line" >&2
    exit 1
fi
