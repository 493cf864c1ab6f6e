#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/, checks the formatting and runs
# every test through CTest, the database tests against a throw-away Firebird
# server on 127.0.0.1; then a short run of every fuzz target (with Clang).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DORFA_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
scripts/check-format.sh
export ORFA_TEST_DB_ENV="$PWD/build-test/firebird-test.env"
trap 'scripts/firebird-test-server.sh stop "$ORFA_TEST_DB_ENV"' EXIT
scripts/firebird-test-server.sh start "$ORFA_TEST_DB_ENV"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
scripts/fuzz.sh --smoke
