#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over our own sources, using a
# release build's compile commands (build-tidy/). Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
command -v run-clang-tidy >/dev/null || command -v run-clang-tidy-14 >/dev/null || {
    echo "run-clang-tidy is missing: apt-get install clang-tidy" >&2
    exit 1
}
runner=$(command -v run-clang-tidy || command -v run-clang-tidy-14)
cmake -S . -B build-tidy -DCMAKE_BUILD_TYPE=Release -DORFA_BUILD_BENCH=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
# Generated sources (moc) must exist before they are analysed.
cmake --build build-tidy -j"$(nproc)" >/dev/null
"$runner" -p build-tidy -quiet -j "$(nproc)" '/(src/[^/]+|sim|soak|bench)/[^/]+\.cpp$'
