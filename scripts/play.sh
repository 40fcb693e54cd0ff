#!/usr/bin/env bash
# Sets up the machine, builds the game and its pictures and sounds, and starts it. Only what
# the game needs is installed and built: no test tools.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=on-error.sh
source scripts/on-error.sh

bash scripts/setup.sh --play
cmake -S . -B build-play -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build-play -j "$(nproc)" --target vantor-game assets
exec build-play/app/vantor-game "$@"
