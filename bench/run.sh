#!/usr/bin/env bash
# The performance figures of the game, each beside its target, in one command:
#   bash bench/run.sh [--report FILE] [vantor-bench options, e.g. --benchmark_repetitions=5]
# Installs the Debian packages, makes a Release build in build-bench (the benchmarks, the
# reference present loop, the game and its generated assets), runs the benchmarks
# (vantor-bench), then the real game on a virtual display (bench/measure_game.sh).
# Both parts always run; the exit status is 1 when either misses a target or fails, 2 for a
# wrong command line.
# What both parts print is also written into a report (Markdown): the date, the machine and
# its library versions, the benchmark table and the real game's figures, and vantor-bench's
# whole output. The report is build-bench/performance-report.md unless --report names another
# file; it is replaced only once both parts have run.
# BENCH_JOBS sets the build's parallel jobs (default 2).
set -euo pipefail

usage() {
    echo "usage: $0 [--report FILE] [vantor-bench options]" >&2
    exit 2
}

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench
report=$build/performance-report.md
# The command as given, for the report.
command_line="bash bench/run.sh"
(($# == 0)) || command_line+=$(printf ' %q' "$@")
bench_args=()
while (($# > 0)); do
    case $1 in
    --report)
        [[ $# -ge 2 && -n $2 ]] || usage
        report=$2
        shift 2
        ;;
    --report=*)
        report=${1#--report=}
        [[ -n $report ]] || usage
        shift
        ;;
    *)
        bench_args+=("$1")
        shift
        ;;
    esac
done
# A relative report path is taken from where the command was given.
[[ $report == /* ]] || report=$PWD/$report
cd "$root"

bash scripts/setup.sh # GNU time, for the game's peak memory, among the rest
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "${BENCH_JOBS:-2}" \
    --target vantor-bench vantor-present-loop vantor-game assets

# What each part prints, kept for the report; gone when the script ends.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The machine before the figures are taken: its load says how far to trust them.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
started=$(date '+%Y-%m-%d %H:%M %Z')
status=0

echo
echo "== vantor-bench: update, drawing, loading and sound commands"
bench_status=0
"$build/bench/vantor-bench" "${bench_args[@]}" 2>&1 | tee "$work/bench.txt" ||
    bench_status=${PIPESTATUS[0]}
((bench_status == 0)) || status=1

echo
echo "== measure_game.sh: the real game under Xvfb"
game_status=0
bash "$root/bench/measure_game.sh" "$build" 2>&1 | tee "$work/game.txt" ||
    game_status=${PIPESTATUS[0]}
((game_status == 0)) || status=1

# What a part's exit status says, and where to look when a target was missed.
verdict() {
    case $1 in
    0) echo "every target met" ;;
    1) echo "a target MISSED (see its table ${2:-above})" ;;
    *) echo "FAILED to measure (exit status $1)" ;;
    esac
}

# The version of a library as pkg-config knows it, or of a Debian package without its epoch
# and revision; "unknown" when neither knows it.
module_version() {
    pkg-config --modversion "$1" 2>/dev/null || echo unknown
}
package_version() {
    dpkg-query -W -f='${Version}' "$1" 2>/dev/null | sed 's/^[0-9]*://; s/-[^-]*$//' ||
        echo unknown
}

# The report: written beside its place, then moved there whole.
write_report() {
    local cpu memory commit
    cpu=$(awk -F': ' '/^model name/ {print $2; exit}' /proc/cpuinfo)
    memory=$(awk '/^MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)
    commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo unknown)
    if [[ -n $(git -C "$root" status --porcelain --untracked-files=no 2>/dev/null) ]]; then
        commit="$commit, with changes not committed"
    fi
    echo "# Performance report"
    echo
    echo "Made by \`$command_line\` on $started, at commit $commit."
    echo "The figures come from the Release build in \`build-bench/\`."
    echo
    echo "## The machine"
    echo
    echo "- Cores: $(nproc) (\`nproc\`); processor: ${cpu:-unknown} (\`model name\` in \`/proc/cpuinfo\`)"
    echo "- Memory: $memory"
    echo "- Load average (1, 5, 15 min): $load_before before the figures," \
        "$(cut -d' ' -f1-3 /proc/loadavg) after them"
    echo "- Debian $(cat /etc/debian_version 2>/dev/null || echo unknown)," \
        "SDL2 $(module_version sdl2), SDL2_image $(module_version SDL2_image)," \
        "SDL2_mixer $(module_version SDL2_mixer), SDL2_ttf $(module_version SDL2_ttf)," \
        "pixman $(module_version pixman-1), libmpg123 $(module_version libmpg123)," \
        "g++ $(g++ -dumpfullversion 2>/dev/null || echo unknown)," \
        "Google Benchmark $(module_version benchmark), Xvfb $(package_version xvfb)"
    echo
    echo "## Benchmarks (vantor-bench): $(verdict "$bench_status" below)"
    echo
    echo '```text'
    # The table vantor-bench ends with; all of its output is at the end of the report.
    if grep -q '^Figures beside their targets' "$work/bench.txt"; then
        sed -n '/^Figures beside their targets/,$p' "$work/bench.txt"
    else
        echo "(no table: no benchmark ran, or vantor-bench stopped before its end)"
    fi
    echo '```'
    echo
    echo "## The real game (measure_game.sh): $(verdict "$game_status" below)"
    echo
    echo '```text'
    cat "$work/game.txt"
    echo '```'
    echo
    echo "## Everything vantor-bench printed"
    echo
    echo '```text'
    cat "$work/bench.txt"
    echo '```'
}
mkdir -p "$(dirname "$report")"
write_report >"$report.new"
mv "$report.new" "$report"

echo
echo "vantor-bench:     $(verdict "$bench_status")"
echo "measure_game.sh:  $(verdict "$game_status")"
echo "report:           $report"
exit "$status"
