#!/usr/bin/env bash
# Soak run of orfa-mqtt (loopback only, bounded): builds it and soak_mqtt in
# release mode (build-bench/) and runs the program for minutes between a
# Mosquitto broker that restarts every 20 s and the simulator in fault mode,
# with commands published all the while. Prints the program's resident memory
# (VmRSS) at start, peak and end, and whether broker and amplifier agree.
#   scripts/soak-mqtt.sh [seconds] [seed]      default 180 s
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
[ -x /usr/sbin/mosquitto ] || { echo "mosquitto is missing: scripts/install-deps.sh test" >&2; exit 1; }
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DORFA_BUILD_TESTS=OFF -DORFA_BUILD_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target soak_mqtt >/dev/null
build-bench/soak/soak_mqtt "${1:-180}" "${2:-20261209}"
