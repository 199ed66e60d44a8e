#!/usr/bin/env bash
# Runs the fuzz targets of a VELTRIM_FUZZ build one after another, each for RUNS executions from
# its seed corpus in tests/fuzz/corpus/<target>. The inputs the fuzzer adds go to a scratch folder
# in the build tree, so the committed corpus never grows by itself; a crash, a timeout or a memory
# limit leaves its reproducer in the target's corpus folder, where the replay tests of `make test`
# run it from then on. Ends with a table of executions and executions per second.
# Usage: fuzz.sh BUILD-FOLDER [RUNS [TARGET...]]
set -uo pipefail

build=$(cd "${1:?usage: fuzz.sh BUILD-FOLDER [RUNS [TARGET...]]}" && pwd)
runs=${2:-1000000}
shift $(($# < 2 ? $# : 2))
root=$(cd "$(dirname "$0")/.." && pwd)

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for binary in "$build"/*_fuzz; do
        name=$(basename "$binary")
        targets+=("${name%_fuzz}")
    done
fi

# The longest input per target: enough for a few of the readers' buffers (4096 bytes for the
# data file, 1,024-byte blocks for bookmarks; an exported collection is larger than its input)
# and for the matchers' 16-byte blocks many times.
max_len() {
    case $1 in
        matcher) echo 1024 ;;
        export) echo 4096 ;;
        *) echo 8192 ;;
    esac
}

status=0
summary=""
for target in "${targets[@]}"; do
    corpus=$root/tests/fuzz/corpus/$target
    scratch=$build/fuzz-scratch/$target
    log=$build/fuzz-$target.log
    rm -rf "$scratch"
    mkdir -p "$scratch"
    echo "== $target: $runs runs (log: $log)"
    "$build/${target}_fuzz" -runs="$runs" -max_len="$(max_len "$target")" -timeout=10 \
        -rss_limit_mb=2048 -malloc_limit_mb=256 -print_final_stats=1 \
        -artifact_prefix="$corpus/" "$scratch" "$corpus" >"$log" 2>&1
    result=$?
    tail -n 3 "$log" | grep -v '^stat::' || true
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    if [ $result -ne 0 ]; then
        status=1
        echo "!! $target failed (exit $result); reproducer in $corpus, details in $log"
        grep -m 1 -A 12 -E '^==[0-9]+==ERROR|fuzz expectation failed|runtime error' "$log" || true
    fi
    summary+=$(printf '%-10s %12s executions %8s exec/s  %s' "$target" "${executed:-?}" \
        "${speed:-?}" "$([ $result -eq 0 ] && echo ok || echo FAILED)")$'\n'
done
printf '\n%s' "$summary"
exit $status
