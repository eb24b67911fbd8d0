#!/usr/bin/env bash
# Fuzzes every parser of outside input for the given number of seconds each (default 60),
# with address and undefined-behaviour sanitizers. Fails on any finding (an input that takes
# more than 10 seconds among them) and prints the path of the input that reproduces it; new
# inputs that reach new code are kept in build-fuzz/corpus/<target>, beside the seeds in
# fuzz/corpus/<target>.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash scripts/deps.sh || exit 1
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null || exit 1
cmake --build build-fuzz -j "$(nproc)" || exit 1

failed=0
for seeds in fuzz/corpus/*/; do
    target=$(basename "$seeds")
    work=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    log=build-fuzz/logs/$target.log
    mkdir -p "$work" "$findings" "$(dirname "$log")"
    dictionary=()
    [[ -f fuzz/dict/$target.dict ]] && dictionary=(-dict="fuzz/dict/$target.dict")
    # Feeds are downloaded whole: their parsers get inputs long enough for a slow shape to
    # show (a quadratic step needs a megabyte to take seconds); -timeout fails on such an input.
    max_len=65536
    case $target in feed_pipeline | atom_rewrite | opml_import) max_len=1048576 ;; esac

    echo "== $target: ${seconds} s"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "build-fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
        "${dictionary[@]}" "$work" "$seeds" >"$log" 2>&1
    status=$?

    grep -a -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1
    grep -a -E 'stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$log"
    if ((status != 0)); then
        failed=1
        echo "FINDING in $target (log: $log)"
        grep -a -E 'invariant broken|ERROR: (AddressSanitizer|libFuzzer|UndefinedBehaviorSanitizer)|runtime error' "$log" | head -5
        grep -a -o 'Test unit written to .*' "$log" | sed 's/^Test unit written to /reproducer: /'
    fi
done
exit $failed
