#!/usr/bin/env bash
# Every test of the project, in stages; CI runs all of them (.ci/run).
#   bash scripts/test.sh              every stage, in the order below
#   bash scripts/test.sh --list       the stages, one a line, each with what it does
#   bash scripts/test.sh STAGE...     only the stages named, in the order below whatever the
#                                     order given, e.g. bash scripts/test.sh format shellcheck
# An unknown stage name prints the list and exits with 2. The machine is set up first every
# time (scripts/setup.sh). A stage that needs a program of another stage's build (deb and
# windows play their packages with the close-window tool of the normal build) builds just that
# program when it is missing.
# The stages: the formatting of every C++ file, shellcheck over every shell script, the whole
# suite in the normal build (warnings are errors), every program built with link-time
# optimisation (which finds a type defined two ways), the build without pixman and libmpg123
# with its unit, asset and integration tests, the Debian package installed, played and purged,
# the Windows package cross-built, its unit tests and regression replays and the game itself
# run under Wine, the web package built, its dice and regression replays checked under node and
# the package played in headless Chromium, the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the fuzzers for a bounded time.
# Each step prints when it starts. A command that fails is named with its stage, exit status
# and line (scripts/on-error.sh), and at the end, passed or not, every stage that ran is
# listed with the time it took, the one that failed marked.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=on-error.sh
source scripts/on-error.sh

stages=(format shellcheck normal odr fallback deb windows web asan fuzz)
declare -A about=(
    [format]="clang-format's check of every C++ file"
    [shellcheck]="shellcheck over every shell script, with no findings"
    [normal]="the gcc build in build/, warnings as errors, and the whole suite there"
    [odr]="every program built with gcc's link-time optimisation in build-lto/, no tests"
    [fallback]="build-fallback/, without pixman and libmpg123: the unit, asset and integration tests"
    [deb]="the Debian package built, installed with apt-get, played and purged"
    [windows]="the Windows package cross-built, its unit tests, the replays and the game under Wine"
    [web]="the web package built with Emscripten, the replays checked under node, played in headless Chromium"
    [asan]="the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer (clang, build-asan/)"
    [fuzz]="each fuzz target for 60 s on its own clang build in build-fuzz/"
)

list_stages() {
    local name
    for name in "${stages[@]}"; do
        printf '%-10s  %s\n' "$name" "${about[$name]}"
    done
}

# The stages to run, in their own order.
declare -A named=()
for argument in "$@"; do
    case $argument in
    --list)
        list_stages
        exit 0
        ;;
    -h | --help)
        echo "usage: $0 [--list | STAGE...]; the stages:"
        list_stages
        exit 0
        ;;
    esac
    if [[ -z ${about[$argument]:-} ]]; then
        echo "test.sh: there is no stage \"$argument\"; the stages are:" >&2
        list_stages >&2
        exit 2
    fi
    named[$argument]=1
done
selected=()
for name in "${stages[@]}"; do
    if [[ $# -eq 0 || -n ${named[$name]:-} ]]; then
        selected+=("$name")
    fi
done

jobs=$(nproc)
started=$SECONDS
# Marks the start of a step with the time since the start of the script and the stage.
step() {
    echo "test.sh: [$((SECONDS - started)) s] ${error_context:-}: $*"
}

# Ends the run with a plain description of what failed.
fail() {
    echo "test.sh: FAILED${error_context:+ in $error_context}: $*" >&2
    exit 1
}

# Each stage that ran, with its time; the one running when the script ends has failed.
ran=()
declare -A took=()
running=
stage_started=0
report() {
    local status=$? name mark
    if [[ -n $running ]]; then
        took[$running]=$((SECONDS - stage_started))
    fi
    echo "test.sh: the stages that ran, with their times:"
    for name in "${ran[@]}"; do
        mark=
        [[ $name != "$running" ]] || mark="  FAILED"
        printf 'test.sh:   %-10s %5d s%s\n' "$name" "${took[$name]}" "$mark"
    done
    if [[ -n $running ]]; then
        echo "test.sh: stage $running FAILED (exit status $status), after $((SECONDS - started)) s" >&2
    else
        echo "test.sh: every stage passed in $((SECONDS - started)) s: ${selected[*]}"
    fi
}
trap report EXIT

# Runs one stage (or the setup), timed, with its name on every failure.
run_stage() {
    running=$1
    error_context="stage $1"
    ran+=("$1")
    stage_started=$SECONDS
    step "start"
    "stage_$1"
    took[$1]=$((SECONDS - stage_started))
    running=
    error_context=
}

# The configuration of the normal build, shared by the stage and the programs others need.
configure_normal() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_WERROR=ON
}

# The close-window tool of the normal build, with which the package plays close the game: built
# alone when no normal stage has built it.
need_close_window() {
    if [[ ! -x build/tests/e2e/vantor-close-window ]]; then
        step "the close-window tool of the normal build, alone"
        configure_normal
        cmake --build build -j "$jobs" --target vantor-close-window
    fi
}

# Every shell script of the tree (tracked, or new and not ignored): the .sh and .bash files and
# every file with a shell's shebang.
shell_scripts() {
    local file first
    while IFS= read -r -d '' file; do
        [[ -f $file && ! -L $file ]] || continue
        first=
        IFS= read -r first <"$file" || true
        if [[ $file == *.sh || $file == *.bash || $first =~ ^#!.*[/\ ](ba)?sh([[:space:]]|$) ]]; then
            printf '%s\0' "$file"
        fi
    done < <(git ls-files -z --cached --others --exclude-standard)
}

stage_setup() {
    bash scripts/setup.sh
}

# Formatting first: a file that clang-format would change stops the run before any build.
stage_format() {
    git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror ||
        fail "clang-format would change the files above"
}

stage_shellcheck() {
    local scripts=()
    mapfile -d '' -t scripts < <(shell_scripts)
    [[ ${#scripts[@]} -gt 0 ]] || fail "found no shell scripts to check"
    step "shellcheck over ${#scripts[@]} scripts"
    shellcheck "${scripts[@]}" || fail "shellcheck found the above in the shell scripts"
    echo "test.sh: shellcheck found nothing in ${#scripts[@]} scripts"
}

# The normal build and the whole suite.
stage_normal() {
    step "build"
    configure_normal
    cmake --build build -j "$jobs"
    step "suite"
    ctest --test-dir build --output-on-failure -j "$jobs"
}

# With link-time optimisation the linker sees every translation unit at once and warns of a
# type or function defined differently in two of them (the one-definition rule).
stage_odr() {
    step "build"
    cmake -S . -B build-lto -DCMAKE_BUILD_TYPE=Release -DVANTOR_LTO=ON -DVANTOR_WERROR=ON
    cmake --build build-lto -j "$jobs"
}

# The game as built where pixman or libmpg123 is missing: its own compositing and music.
stage_fallback() {
    step "build"
    cmake -S . -B build-fallback -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_PIXMAN=OFF \
        -DVANTOR_MPG123=OFF -DVANTOR_WERROR=ON
    cmake --build build-fallback -j "$jobs"
    step "unit, asset and integration tests"
    ctest --test-dir build-fallback -L 'unit|asset|integration' --output-on-failure -j "$jobs"
}

# The Debian package, built as a packager would (a Release build without the tests, which must
# look for none of the test tools; libmpg123 is the game's own, for its music), installed with
# apt-get as a player would, played, purged.
stage_deb() {
    step "package"
    bash scripts/package.sh deb
    if grep -E '^(GTest_DIR|benchmark_DIR|X11_X11_INCLUDE_PATH)' build-deb/CMakeCache.txt; then
        fail "the build without tests looked for test tools (above, from build-deb/CMakeCache.txt)"
    fi
    need_close_window
    step "package installed, played and purged"
    bash tests/e2e/InstalledPackage.sh dist/vantor-game_*_amd64.deb \
        build/tests/e2e/vantor-close-window build/tests/e2e/screenshots
}

# The Windows package: cross-built, its unit tests run under Wine in a Wine prefix made for
# the run, and the zip played under Wine as a Windows player would.
stage_windows() {
    local prefix log=build-windows/wineboot.log status=0 wine
    step "package"
    bash scripts/package.sh windows
    step "unit tests under wine"
    prefix=$(mktemp -d)
    wine=(env "PATH=$PATH:/usr/lib/wine" "WINEPREFIX=$prefix" WINEDEBUG=-all
        "WINEDLLOVERRIDES=mscoree,mshtml=")
    if ! "${wine[@]}" bash scripts/wine-prefix.sh "$log"; then
        rm -rf "$prefix"
        fail "could not make the Wine prefix for the unit tests (wineboot failed twice; its log: $log)"
    fi
    "${wine[@]}" ctest --test-dir build-windows -L wine --output-on-failure || status=$?
    "${wine[@]}" wineserver -k || true
    rm -rf "$prefix"
    [[ $status -eq 0 ]] || fail "the unit tests under Wine failed (ctest's exit status $status, above)"
    need_close_window
    step "package played under wine"
    bash tests/e2e/WindowsGame.sh dist/vantor-game-*-windows-x64.zip \
        build/tests/e2e/vantor-close-window build/tests/e2e/screenshots
}

# The web package: built with Emscripten against the cached web libraries, its dice and the
# regression replays checked under node, then unpacked,
# served from 127.0.0.1 and played in headless Chromium as a player would: with WebGL
# (SwiftShader), and with WebGL turned off, where the game draws with the processor.
stage_web() {
    step "package"
    bash scripts/package.sh web
    # The rules as the web build compiles them: the dice and every regression replay, checked
    # by the build's own node programs (tests/node/), whose exit status is node's.
    step "the dice and the regression replays under node"
    node --no-experimental-fetch build-web/tests/node/vantor-dice-check.js ||
        fail "the dice under node do not draw the GNU C library's numbers (above)"
    node --no-experimental-fetch build-web/app/vantor-replay-check.js tests/replays/*.replay ||
        fail "a regression replay does not verify under node (above)"
    step "package played in chromium with WebGL"
    bash tests/e2e/WebGame.sh dist/vantor-game-*-web.zip build/tests/e2e/screenshots/webgl
    step "package played in chromium without WebGL"
    bash tests/e2e/WebGame.sh dist/vantor-game-*-web.zip build/tests/e2e/screenshots/no-webgl \
        --no-webgl
}

# The same suite under the sanitizers, the soak included; a report fails its test. The build
# sets the sanitizers' options for ctest itself (see VANTOR_SANITIZE in CMakeLists.txt).
stage_asan() {
    step "build"
    CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVANTOR_SANITIZE=ON -DVANTOR_WERROR=ON
    cmake --build build-asan -j "$jobs"
    step "suite"
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
}

# The fuzzers, each for a bounded time, on their own clang build of the fuzz targets only.
stage_fuzz() {
    step "build"
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVANTOR_FUZZ=ON
    cmake --build build-fuzz/fuzz -j "$jobs"
    step "runs"
    bash fuzz/run-fuzzers.sh build-fuzz 60
}

run_stage setup
for name in "${selected[@]}"; do
    run_stage "$name"
done
