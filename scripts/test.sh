#!/usr/bin/env bash
# Sets up the machine, checks the formatting of every C++ file, builds everything and runs
# every test: the whole suite in the normal build, the Debian package installed and played,
# the Windows package cross-built, its unit tests and the game itself run under Wine, the web
# package built and played in headless Chromium, the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the fuzzers for a bounded time. Each step prints when it starts.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
started=$SECONDS
# Marks the start of a step with the time since the start of the script.
step() {
    echo "test.sh: [$((SECONDS - started)) s] $*"
}

step "setup"
bash scripts/setup.sh

# Formatting first: a file that clang-format would change stops the run before any build.
step "format check"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# The normal build and the whole suite.
step "normal build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
step "normal suite"
ctest --test-dir build --output-on-failure -j "$jobs"

# The Debian package, built as a packager would (a Release build without the tests, which must
# look for none of the test tools; libmpg123 is the game's own, for its music), installed with
# apt-get as a player would, played, purged.
step "package"
bash scripts/package.sh deb
if grep -E '^(GTest_DIR|benchmark_DIR|X11_X11_INCLUDE_PATH)' \
    build-deb/CMakeCache.txt; then
    echo "test.sh: the build without tests looked for test tools (above)" >&2
    exit 1
fi
step "package installed, played and purged"
bash tests/e2e/InstalledPackage.sh dist/vantor-game_*_amd64.deb \
    build/tests/e2e/vantor-close-window build/tests/e2e/screenshots

# The Windows package: cross-built, its unit tests run under Wine in a Wine prefix made for
# the run, and the zip played under Wine as a Windows player would.
step "windows package"
bash scripts/package.sh windows
step "windows unit tests under wine"
wine_prefix=$(mktemp -d)
(
    export PATH=$PATH:/usr/lib/wine WINEPREFIX=$wine_prefix WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    wine64 wineboot -i >/dev/null 2>&1
    ctest --test-dir build-windows -L wine --output-on-failure
    wineserver -k || true
)
rm -rf "$wine_prefix"
step "windows package played under wine"
bash tests/e2e/WindowsGame.sh dist/vantor-game-*-windows-x64.zip \
    build/tests/e2e/vantor-close-window build/tests/e2e/screenshots

# The web package: built with Emscripten against the cached web libraries, then unpacked,
# served from 127.0.0.1 and played in headless Chromium as a player would.
step "web package"
bash scripts/package.sh web
step "web package played in chromium"
bash tests/e2e/WebGame.sh dist/vantor-game-*-web.zip build/tests/e2e/screenshots

# The same suite under the sanitizers, the soak included; a report fails its test. The build
# sets the sanitizers' options for ctest itself (see VANTOR_SANITIZE in CMakeLists.txt).
step "sanitizer build"
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_SANITIZE=ON
cmake --build build-asan -j "$jobs"
step "sanitizer suite"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The fuzzers, each for a bounded time, on their own clang build of the fuzz targets only.
step "fuzz build"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVANTOR_FUZZ=ON
cmake --build build-fuzz/fuzz -j "$jobs"
step "fuzz runs"
bash fuzz/run-fuzzers.sh build-fuzz 60

step "everything passed"
