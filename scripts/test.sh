#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/, checks the formatting and runs
# every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DORFA_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
scripts/check-format.sh
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
