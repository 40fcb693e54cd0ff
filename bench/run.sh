#!/usr/bin/env bash
# The performance figures of the game, each beside its target, in one command:
#   bash bench/run.sh [vantor-bench options, e.g. --benchmark_repetitions=5]
# Installs the Debian packages, makes a Release build in build-bench (the benchmarks, the
# reference present loop, the game and its generated assets), runs the benchmarks
# (vantor-bench), then the real game on a virtual display (bench/measure_game.sh).
# Both parts always run; the exit status is 1 when either misses a target or fails.
# BENCH_JOBS sets the build's parallel jobs (default 2).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench
cd "$root"

bash scripts/setup.sh # GNU time, for the game's peak memory, among the rest
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "${BENCH_JOBS:-2}" \
    --target vantor-bench vantor-present-loop vantor-game assets

status=0

echo
echo "== vantor-bench: update, drawing, loading and sound commands"
bench_status=0
"$build/bench/vantor-bench" "$@" || bench_status=$?
((bench_status == 0)) || status=1

echo
echo "== measure_game.sh: the real game under Xvfb"
game_status=0
bash "$root/bench/measure_game.sh" "$build" || game_status=$?
((game_status == 0)) || status=1

echo
verdict() {
    case $1 in
    0) echo "every target met" ;;
    1) echo "a target MISSED (see its table above)" ;;
    *) echo "FAILED to measure (exit status $1)" ;;
    esac
}
echo "vantor-bench:     $(verdict "$bench_status")"
echo "measure_game.sh:  $(verdict "$game_status")"
exit "$status"
