#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/ (warnings are errors), checks the
# formatting and that no layer includes a layer above it, and runs every test
# through CTest, the database tests against a throw-away Firebird server on
# 127.0.0.1; then builds the release configuration in build-release/ (it must
# be warning-free at -O2 too), makes a short run of every fuzz target (with
# Clang) and runs clang-tidy over every source of ours.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DORFA_SANITIZE=ON -DORFA_WERROR=ON
cmake --build build-test -j"$(nproc)"
scripts/check-format.sh
scripts/check-layers.sh
export ORFA_TEST_DB_ENV="$PWD/build-test/firebird-test.env"
trap 'scripts/firebird-test-server.sh stop "$ORFA_TEST_DB_ENV"' EXIT
scripts/firebird-test-server.sh start "$ORFA_TEST_DB_ENV"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DORFA_WERROR=ON -DORFA_BUILD_BENCH=ON
cmake --build build-release -j"$(nproc)"
scripts/fuzz.sh --smoke
scripts/tidy.sh build-release "^$PWD/(src|sim|tests|soak|bench)/"
scripts/tidy.sh build-fuzz "^$PWD/fuzz/"
