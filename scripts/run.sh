#!/usr/bin/env bash
# Installs what is missing, builds in build/, starts the bundled amplifier
# simulator on 127.0.0.1:7777 and opens the panel against it with a demo
# settings directory (build/demo-config). The simulator stops with the panel.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORFA_BUILD_TESTS=OFF
cmake --build build -j"$(nproc)"

port=${ORFA_SIM_PORT:-7777}
demo=build/demo-config
mkdir -p "$demo"
if [ ! -f "$demo/Orfa.ini" ]; then
    {
        echo "[Orfa]"
        echo "IPZesE=127.0.0.1"
        echo "PortZesE=$port"
        echo "VstupyRG=1"
        echo "ProdlevaE=300"
        for i in $(seq 1 10); do echo "Vstup${i}En=1"; done
        for j in $(seq 1 16); do echo "Vystup${j}En=1"; done
    } > "$demo/Orfa.ini"
fi

build/sim/orfa-amp-sim --listen 127.0.0.1 --port "$port" --log &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
ORFA_CONFIG_DIR="$PWD/$demo" build/src/app/orfa "$@"
