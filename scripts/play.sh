#!/usr/bin/env bash
# Sets up the machine, builds the game and its pictures and sounds, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target vantor-game assets
# The game reads its pictures and sounds by bare name from its working directory.
cd build/assets
exec ../app/vantor-game
