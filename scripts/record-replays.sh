#!/usr/bin/env bash
# Records the regression replays again: a deliberate act, for when the rules of the game change
# on purpose and the replays in tests/replays/ no longer verify. Builds vantor-record-replays in
# the normal build (build/), plays the five runs with it (each from its own seed, by the
# autopilot, checked to end as its name says) into tests/replays/<name>.replay, and checks
# every replay there with vantor-replay-check. A run that ends otherwise leaves its old file
# and fails. Look at `git diff tests/replays` and commit the files with the change that made
# them necessary, saying why.
#   bash scripts/record-replays.sh
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=on-error.sh
source scripts/on-error.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)" --target vantor-record-replays vantor-replay-check
build/tests/replays/vantor-record-replays tests/replays
build/app/vantor-replay-check tests/replays/*.replay
