#!/usr/bin/env bash
# Installs what is missing, builds the program folder and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_TESTS=OFF
cmake --build build --target quorvane
exec build/program/quorvane "$@"
