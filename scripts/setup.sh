#!/usr/bin/env bash
# Installs the Debian packages the project needs. Safe to run again: when everything is
# present it only asks dpkg and returns.
#   bash scripts/setup.sh            everything: playing, testing, packaging, Windows and web
#   bash scripts/setup.sh --play     only what building the game and its generators needs
#   bash scripts/setup.sh --package  what playing and building the Debian package need
#   bash scripts/setup.sh --windows  what cross-building the Windows libraries and running
#                                    Windows programs under Wine need
#   bash scripts/setup.sh --web      what building the WebAssembly libraries with Emscripten
#                                    and playing the web build in headless Chromium need
set -euo pipefail
# shellcheck source=on-error.sh
source "$(dirname "$0")/on-error.sh"

# Building the game and making its pictures and sounds.
play=(
    cmake
    make
    g++
    pkg-config
    # The platform layer: window, input, drawing, pictures, text and sound.
    libsdl2-dev
    libsdl2-image-dev
    libsdl2-ttf-dev
    libsdl2-mixer-dev
    libpixman-1-dev # the processor's compositing of the pictures without a graphics card
    libmpg123-dev   # the music decoded as it plays (and the generated sounds in their tests)
    libfontconfig-dev
    fonts-dejavu-core
    # Settings: the INI parser.
    libinih-dev
    # The asset generator: MP3 encoding and the ship's computer voice.
    libmp3lame-dev
    libespeak-ng-dev
)

# Building the Debian package and checking it.
package=(
    dpkg-dev # dpkg-shlibdeps and dpkg-buildflags
    file
    xz-utils
    help2man # the man page, from the program's --help
    lintian
    appstream # appstreamcli, to validate the metainfo
    desktop-file-utils
)

# Cross-building the game's libraries for 64-bit Windows from Debian's source packages
# (scripts/windows-deps.sh) and running the Windows programs under Wine.
windows=(
    cmake
    make
    # The MinGW-w64 compilers with POSIX threads, for C++ threads and mutexes.
    g++-mingw-w64-x86-64-posix
    gcc-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64
    wine64
    zip
    dpkg-dev # dpkg-source, which apt-get source unpacks with
    xz-utils # the source tarballs
    meson    # pixman's build
    ninja-build
)

# Building the game's libraries for the web with Debian's Emscripten from Debian's source
# packages (scripts/web-deps.sh) and playing the web build in headless Chromium.
web=(
    emscripten
    node-acorn # the JavaScript parser Emscripten's optimiser loads
    nodejs     # runs the web build's replay check and dice check
    cmake
    make
    pkg-config
    dpkg-dev # dpkg-source, which apt-get source unpacks with
    xz-utils # the source tarballs
    meson    # pixman's build
    ninja-build
    python3 # Emscripten itself, and the page's local server in tests
    python3-websocket # the tests drive Chromium through its DevTools protocol
    chromium
)

# Testing: test frameworks, the sanitizer and fuzzing compiler, and the tools that play the
# real game.
testing=(
    clang
    clang-format
    shellcheck # every shell script of the tree is checked with it
    libclang-rt-dev # clang's sanitizer and libFuzzer runtimes
    libgtest-dev
    libbenchmark-dev
    # Playing the real game in tests: a virtual display, input and screenshots.
    libx11-dev
    xvfb
    xauth
    xdotool
    imagemagick
    openbox # a window manager, for fullscreen as on a desktop
    tesseract-ocr # reads the words of the game's own screens from screenshots
    # Measuring the real game: GNU time for its peak memory.
    time
)

case "${1:-}" in
--play) packages=("${play[@]}") ;;
--package) packages=("${play[@]}" "${package[@]}") ;;
--windows) packages=("${windows[@]}") ;;
--web) packages=("${web[@]}") ;;
"") packages=("${play[@]}" "${package[@]}" "${testing[@]}" "${windows[@]}" "${web[@]}") ;;
*)
    echo "usage: $0 [--play | --package | --windows | --web]" >&2
    exit 2
    ;;
esac

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$pkg")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
