#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Safe to run again: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
    # Build tools and test frameworks.
    cmake
    make
    g++
    clang
    clang-format
    libclang-rt-dev # clang's sanitizer and libFuzzer runtimes
    pkg-config
    libgtest-dev
    libbenchmark-dev
    # The platform layer: window, input, drawing, pictures, text and sound.
    libsdl2-dev
    libsdl2-image-dev
    libsdl2-ttf-dev
    libsdl2-mixer-dev
    libfontconfig-dev
    fonts-dejavu-core
    # Settings: the INI parser.
    libinih-dev
    # The asset generator: MP3 encoding and the ship's computer voice.
    libmp3lame-dev
    libespeak-ng-dev
    libmpg123-dev
    # Playing the real game in tests: a virtual display, input and screenshots.
    libx11-dev
    xvfb
    xauth
    xdotool
    imagemagick
    openbox # a window manager, for fullscreen as on a desktop
    # Measuring the real game: GNU time for its peak memory.
    time
)

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
