#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a plain build with warnings as
# errors, and the same build under AddressSanitizer and UndefinedBehaviorSanitizer. Then the
# Windows build of the core, the tools and their tests, run under wine, its qvtool compared with
# the Linux one. Last it builds the optimised benchmarks, so that the release build the README
# gives keeps building, and runs every file reader's fuzz target for 30 seconds on its corpus; a
# crash fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(nproc)

for config in test asan; do
    echo "== $config build"
    cmake --preset "$config"
    cmake --build --preset "$config" -j "$jobs"
    ctest --preset "$config" -j "$jobs"
done

echo "== windows build"
cmake --preset windows-test -DQUORVANE_LINUX_QVTOOL="$PWD/build-test/program/qvtool" \
    -DQUORVANE_LINUX_BUILD="$PWD/build-test"
cmake --build --preset windows-test -j "$jobs"
ctest --preset windows-test -j "$jobs"

echo "== bench build"
cmake --preset bench
cmake --build --preset bench -j "$jobs"

echo "== fuzz targets"
bash scripts/fuzz.sh all 30
