#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: in the normal build and in an
# AddressSanitizer + UndefinedBehaviorSanitizer build, where the fuzz targets also replay their
# committed corpora and past findings; then the release test. The same inputs every run: random
# fuzzing is scripts/fuzz.sh, run by hand.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)" --label-exclude release

# The 32-bit library builds are the same in both trees; the sanitizer tree tests the rest.
ORVD_PRESET=asan "$root/scripts/build.sh" "$root/build-asan"
ctest --test-dir "$root/build-asan" --output-on-failure --parallel "$(nproc)"

# Windows: the 32-bit build that ships, the core's tests and strveil.fll's host test as Windows
# programs under a Wine of the build tree's own.
"$root/scripts/windows/test.sh" i686

# The release made twice and started from its unpacked archive.
ctest --test-dir "$root/build" --output-on-failure --label-regex release
