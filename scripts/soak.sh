#!/usr/bin/env bash
# Soak run (loopback only, bounded): builds soak_panel in release mode
# (build-bench/) and runs the panel headless against the simulator in fault
# mode while a driver moves controls.
#   scripts/soak.sh [seconds] [seed]      default 180 s
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DORFA_BUILD_TESTS=OFF -DORFA_BUILD_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target soak_panel >/dev/null
QT_QPA_PLATFORM=offscreen build-bench/soak/soak_panel "${1:-180}" "${2:-20261209}"
