#!/usr/bin/env bash
# Builds the benchmarks in release mode (build-bench/) and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DORFA_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench_receiver bench_startup >/dev/null
echo "== receiver"
build-bench/bench/bench_receiver
echo "== start-up"
build-bench/bench/bench_startup
