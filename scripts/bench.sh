#!/usr/bin/env bash
# Builds the benchmarks in release mode (build-bench/) and prints the figures
# that the README shows: the receiver, start-up time and memory against a
# minimal Qt window, the idle cost of a connected panel over a minute, orfactl's
# wall time for status and a full snapshot restore, and the
# time of a settings save to the central database (a throw-away Firebird
# server on 127.0.0.1, as the tests use).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DORFA_BUILD_TESTS=OFF -DORFA_BUILD_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" \
    --target bench_receiver bench_startup bench_idle bench_dbsave bench_orfactl >/dev/null
echo "== receiver"
build-bench/bench/bench_receiver
echo "== start-up"
build-bench/bench/bench_startup
echo "== idle"
build-bench/bench/bench_idle "${ORFA_IDLE_SECONDS:-60}"
echo "== orfactl"
build-bench/bench/bench_orfactl
echo "== settings save to the database"
export ORFA_TEST_DB_ENV="$PWD/build-bench/firebird-test.env"
trap 'scripts/firebird-test-server.sh stop "$ORFA_TEST_DB_ENV" >/dev/null' EXIT
scripts/firebird-test-server.sh start "$ORFA_TEST_DB_ENV" >/dev/null
build-bench/bench/bench_dbsave
