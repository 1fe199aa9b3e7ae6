#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: in the normal build and in an
# AddressSanitizer + UndefinedBehaviorSanitizer build; then runs every fuzz target for 10 s as a
# smoke test (scripts/fuzz.sh). Fails when any test fails or a fuzz target finds something.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"

# The 32-bit library builds are the same in both trees; the sanitizer tree tests the rest.
ORVD_PRESET=asan "$root/scripts/build.sh" "$root/build-asan"
ctest --test-dir "$root/build-asan" --output-on-failure --parallel "$(nproc)"

# Windows: the 32-bit build that ships, the core's tests and strveil.fll's host test as Windows
# programs under a Wine of the build tree's own.
"$root/scripts/windows/test.sh" i686

# A reader that starts to crash on odd input fails here, not only in a long fuzzing run.
"$root/scripts/fuzz.sh" 10
