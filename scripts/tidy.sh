#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over our own sources; fails on
# any finding.
#   scripts/tidy.sh                configures and builds build-tidy/ (release, with
#                                  the benchmarks and soak runs) and checks src/,
#                                  sim/, tests/, soak/ and bench/
#   scripts/tidy.sh DIR PATTERN    checks the files whose path matches PATTERN (a
#                                  regular expression) with the compile commands of
#                                  the existing build DIR; the test command does so
#                                  with build-release/ and build-fuzz/
# Each source file is checked once, with the first of its compile commands and
# without the flags of precompiled headers (scripts/tidy-database.py);
# ORFA_TIDY_JOBS sets how many files are checked at once (default: the cores).
set -euo pipefail
cd "$(dirname "$0")/.."

runner=$(command -v run-clang-tidy || command -v run-clang-tidy-14 || true)
if [ -z "$runner" ]; then
    echo "run-clang-tidy is missing (Debian: clang-tidy)" >&2
    exit 2
fi

if [ $# -eq 0 ]; then
    scripts/install-deps.sh run
    build=build-tidy
    pattern="^$PWD/(src|sim|tests|soak|bench)/"
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DORFA_BUILD_BENCH=ON >/dev/null
    # Generated sources (moc) must exist before they are analysed.
    cmake --build "$build" -j"$(nproc)" >/dev/null
elif [ $# -eq 2 ]; then
    build=$1
    pattern=$2
else
    echo "usage: $0 [BUILD_DIR PATTERN]" >&2
    exit 2
fi
[ -f "$build/compile_commands.json" ] || { echo "$build has no compile_commands.json" >&2; exit 2; }
# Each source once, and as it stands: without the build's precompiled headers.
scripts/tidy-database.py "$build" "$build/tidy"
"$runner" -p "$build/tidy" -quiet -j "${ORFA_TIDY_JOBS:-$(nproc)}" "$pattern"
