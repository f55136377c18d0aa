#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (seconds, default 60), starting
# from its seed corpus. A crash, a sanitizer report, a leak or a time-out fails the run; the input
# that found it is copied to tests/fuzz/regressions/<target>/ to be kept as a regression case.
# Usage: tests/fuzz/run.sh [seconds] [target ...]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(table_file dump from_syllables from_chars)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

# Scratch files of the targets go to memory where the system has it.
[ -d /dev/shm ] && export TMPDIR=${TMPDIR:-/dev/shm}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    cp tests/fuzz/corpus/"$target"/* "$work/$target/"
    echo "fuzzing $target for $seconds s"
    if ! build/fuzz/tests/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -close_fd_mask=3 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" >"$work/$target.log" 2>&1; then
        status=1
        grep -E "ERROR|SUMMARY|Test unit written" "$work/$target.log" || tail -20 "$work/$target.log"
        mkdir -p tests/fuzz/regressions/"$target"
        cp "$work/$target"-* tests/fuzz/regressions/"$target"/ 2>/dev/null || true
        echo "FAILED: $target (inputs kept in tests/fuzz/regressions/$target)"
    else
        grep -E "stat::number_of_executed_units|Done" "$work/$target.log" | tr '\n' ' '
        echo
    fi
done
exit $status
