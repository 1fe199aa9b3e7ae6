#!/usr/bin/env bash
# fuzz.sh [SECONDS]: builds the libFuzzer targets of tests/fuzz with clang into build-fuzz and
# runs each for SECONDS (default 60) from its seed corpus in tests/fuzz/corpus/<target>. Fails
# when any target finds something: a crash, a memory error, undefined behaviour, a leak, a broken
# property, an input that takes over 10 s or over 2 GB. The input is then kept in build-fuzz/findings/ and
# the end of the target's log is printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
dir=$root/build-fuzz

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$dir" --preset fuzz "${launcher[@]}" >/dev/null
cmake --build "$dir" --target fuzz_targets --parallel "$(nproc)" >"$dir/build.log" ||
    { tail -50 "$dir/build.log"; exit 1; }

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$dir/findings" "$dir/logs"
failed=()

# run NAME [PREFIX...]: one target; the working corpus in build-fuzz/corpus/NAME grows from run
# to run, the committed seeds are read as a second corpus.
run() {
    local name=$1
    shift
    local work=$dir/corpus/$name seeds=$root/tests/fuzz/corpus/$name log=$dir/logs/$name.log
    local inputs=("$work" "$seeds")
    mkdir -p "$work"
    if [ "$name" = strveil_records_fuzz ]; then
        # libFuzzer's directory listing fails for a 32-bit program under qemu-i386 on this file
        # system, so the seeds are named one by one.
        local list=$dir/logs/$name.seeds
        find "$seeds" -type f | paste -sd, >"$list"
        inputs=(-seed_inputs=@"$list" "$work")
    fi
    if "$@" -max_total_time="$seconds" -timeout=10 -rss_limit_mb="${rss_limit:-2048}" -print_final_stats=1 \
        -artifact_prefix="$dir/findings/$name-" "${inputs[@]}" >"$log" 2>&1; then
        echo "$name: $(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*') runs, no finding"
    else
        echo "$name: FINDING (log $log)"
        tail -40 "$log"
        failed+=("$name")
    fi
}

fuzz=$dir/tests/fuzz
for target in profile_file_fuzz locations_fuzz jpeg_decode_fuzz texts_fuzz help_file_fuzz; do
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 run "$target" "$fuzz/$target"
done
# 32-bit under qemu-i386, with UBSan and guard pages instead of AddressSanitizer, which cannot run
# there (tests/fuzz/strveil/CMakeLists.txt). Without libFuzzer's memory-watch thread: under
# qemu-i386, once the timeout alarm had been handled with that thread running, the fuzzing thread
# ran on the watcher's thread-local storage (pthread_self changed), so the library's thread state
# vanished mid-session and a sound run failed. The 32-bit address space bounds its memory instead.
rss_limit=0 run strveil_records_fuzz qemu-i386 "$fuzz/strveil/strveil_records_fuzz"

if ((${#failed[@]})); then
    echo "Findings in: ${failed[*]}"
    exit 1
fi
