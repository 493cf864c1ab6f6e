#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang in build-fuzz/ and runs each of them:
# first over the inputs that once crashed it (fuzz/regressions/<target>/), then
# fuzzing for a bounded time from a copy of its seed corpus (fuzz/corpus/<target>/,
# which is never changed here).
#   scripts/fuzz.sh [seconds-per-target]   fuzz each target that long (default 60)
#   scripts/fuzz.sh --smoke                also run every seed once; then 1500 inputs
#                                          each from a fixed seed (same result every run)
# Exits non-zero when any target crashes; the input that did it is kept in
# build-fuzz/artifacts/<target>/ and the target's output in build-fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
smoke=0
case "${1:-}" in
"") ;;
--smoke) smoke=1 seconds=5 ;;
*[!0-9]* | 0) echo "usage: $0 [seconds-per-target | --smoke]" >&2; exit 2 ;;
*) seconds=$1 ;;
esac

targets=(codec receiver decoders settings)

for tool in clang++ cmake; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (Debian: clang, cmake)" >&2; exit 2; }
done
if ! echo 'int main(){}' | clang++ -x c++ -fsanitize=fuzzer-no-link,address -o /dev/null - 2>/dev/null; then
    echo "clang cannot link sanitizers; install its runtime (Debian: libclang-rt-dev)" >&2
    exit 2
fi

build=build-fuzz
# Optimised: at -O0 the targets run several times slower, and a run's worth is
# the number of inputs it gets through.
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORFA_FUZZ=ON \
    -DORFA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null

# The settings target writes a file per input, each flushed to the disk: a file
# system in memory keeps that from being the whole run.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

dictionary() {
    case "$1" in
    codec | receiver) echo fuzz/frames.dict ;;
    *) echo "fuzz/$1.dict" ;;
    esac
}

# Runs one target on the given files once each; they must all pass.
replay() {
    local target=$1 log=$2
    shift 2
    [ $# -eq 0 ] && return 0
    "$build/fuzz/fuzz_$target" -timeout=5 -rss_limit_mb=2048 \
        -artifact_prefix="$build/artifacts/$target/" "$@" >>"$log" 2>&1
}

# The smoke run of the test command must give the same verdict every time:
# a fixed seed and a fixed number of inputs instead of a time limit.
if [ "$smoke" -eq 1 ]; then
    limit=(-seed=1 -runs=1500)
else
    limit=(-max_total_time="$seconds")
fi

failed=()
mkdir -p "$build/logs"
for target in "${targets[@]}"; do
    log="$build/logs/$target.log"
    : >"$log"
    mkdir -p "$build/artifacts/$target"
    work="$build/corpus/$target"
    if [ "$smoke" -eq 1 ]; then
        rm -rf "$work" # the smoke run starts from the seeds alone, every time
    fi
    mkdir -p "$work"
    cp -r "fuzz/corpus/$target/." "$work/"

    mapfile -t regressions < <(find "fuzz/regressions/$target" -type f 2>/dev/null | sort)
    mapfile -t seeds < <(find "fuzz/corpus/$target" -type f | sort)
    status=ok
    if ! replay "$target" "$log" "${regressions[@]}"; then
        status="regression input crashes"
    elif [ "$smoke" -eq 1 ] && ! replay "$target" "$log" "${seeds[@]}"; then
        status="seed input crashes"
    elif ! nice "$build/fuzz/fuzz_$target" "${limit[@]}" -timeout=5 \
        -rss_limit_mb=2048 -dict="$(dictionary "$target")" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target/" "$work" >>"$log" 2>&1; then
        status="crashed while fuzzing"
    fi

    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cover=$(grep -o 'cov: [0-9]*' "$log" | tail -1 || true)
    printf '%-9s %-26s %s runs, %s, corpus %s files\n' "$target" "$status" "${runs:-0}" \
        "${cover:-cov: ?}" "$(find "$work" -type f | wc -l)"
    if [ "$status" != ok ]; then
        failed+=("$target")
        grep -E 'invariant broken|ERROR|SUMMARY|Test unit written' "$log" | head -20 >&2 || true
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found crashes in: ${failed[*]} (inputs in $build/artifacts/, logs in $build/logs/)" >&2
    exit 1
fi
