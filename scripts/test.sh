#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/ (warnings are errors), checks the
# formatting and that no layer includes a layer above it, and runs every test
# through CTest, the database tests against a throw-away Firebird server on
# 127.0.0.1; beside that it builds the release configuration in build-release/
# (it must be warning-free at -O2 too) and runs clang-tidy over every source of
# ours, and makes a short run of every fuzz target (with Clang).
#
# The stages share the cores: the sanitizer build and the tests first, the
# release build with clang-tidy and the fuzz run niced behind them, so that
# they take what the build's serial steps and the tests, which mostly wait on
# sockets and timers, leave. The output of those two lanes is in
# build-release/lane.log and build-fuzz/lane.log, printed when they end.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cores=$(nproc)
# lld links the many test programs in a fraction of ld's time; the GCC
# builds precompile each target's common headers (clang-tidy reads the sources
# without them, scripts/tidy.sh).
fast=(-DORFA_PCH=ON -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld
      -DCMAKE_MODULE_LINKER_FLAGS=-fuse-ld=lld)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DORFA_SANITIZE=ON -DORFA_WERROR=ON "${fast[@]}"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DORFA_WERROR=ON -DORFA_BUILD_BENCH=ON "${fast[@]}"

set -m # each lane in a process group of its own, to be stopped whole
lanes=()
stop_lanes() {
    for pid in "${lanes[@]}"; do kill -- -"$pid" 2>/dev/null || true; done
}
trap stop_lanes EXIT
# From the start, niced: the release build (it must be warning-free at -O2 too,
# with the benchmarks and the soak runs), then clang-tidy on its compile commands.
nice -n 19 bash -c "set -euo pipefail
    cmake --build build-release -j$cores
    scripts/tidy.sh build-release '^$PWD/(src|sim|tests|soak|bench)/'" >build-release/lane.log 2>&1 &
lanes+=($!)
set +m

cmake --build build-test -j"$cores"
scripts/check-format.sh
scripts/check-layers.sh

# Once the sanitizer build is done, beside the tests: the fuzz smoke run (its
# inputs have a time limit, so it is niced less than the release lane).
mkdir -p build-fuzz
set -m
nice -n 5 bash -c "set -euo pipefail
    scripts/fuzz.sh --smoke
    scripts/tidy.sh build-fuzz '^$PWD/fuzz/'" >build-fuzz/lane.log 2>&1 &
lanes+=($!)
set +m

export ORFA_TEST_DB_ENV="$PWD/build-test/firebird-test.env"
trap 'stop_lanes; scripts/firebird-test-server.sh stop "$ORFA_TEST_DB_ENV"' EXIT
scripts/firebird-test-server.sh start "$ORFA_TEST_DB_ENV"
ctest --test-dir build-test --output-on-failure -j"$cores"

status=0
for lane in "${lanes[@]}"; do
    wait "$lane" || status=1
done
lanes=()
echo "== release build and clang-tidy (build-release/lane.log)"
cat build-release/lane.log
echo "== fuzz smoke run and clang-tidy of the fuzz targets (build-fuzz/lane.log)"
cat build-fuzz/lane.log
[ "$status" -eq 0 ] || { echo "a lane failed: see its output above" >&2; exit 1; }
