#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts the amplifier
# simulator on 127.0.0.1:7777 with its frame log.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORFA_BUILD_TESTS=OFF
cmake --build build -j"$(nproc)"
exec build/sim/orfa-amp-sim --listen 127.0.0.1 --port 7777 --log
