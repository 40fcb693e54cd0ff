#!/usr/bin/env bash
# Builds the game's packages into dist/.
#   bash scripts/package.sh deb    dist/vantor-game_<version>_amd64.deb, for Debian 12 and alike
# A Release build without the tests, in the Debian games layout (/usr/games/vantor-game and
# /usr/share/games/vantor-game/), with Debian's hardening flags; its dependencies come from
# the program's libraries (dpkg-shlibdeps). lintian checks the package at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    echo "usage: $0 deb" >&2
    exit 2
}

[[ $# -eq 1 ]] || usage

case "$1" in
deb)
    bash scripts/setup.sh --package
    build=build-deb
    # The flags every Debian package is built with, the hardening ones included.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CFLAGS=$(dpkg-buildflags --get CFLAGS)
    CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
    export CFLAGS CXXFLAGS LDFLAGS
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr -DVANTOR_GAMES_LAYOUT=ON -DVANTOR_BUILD_TREE_DATA=OFF
    cmake --build "$build" -j "$(nproc)"
    (cd "$build" && cpack -G DEB)
    mkdir -p dist
    package=$(find "$build" -maxdepth 1 -name 'vantor-game_*_amd64.deb' | head -n 1)
    [[ -n $package ]] || {
        echo "package.sh: cpack made no package" >&2
        exit 1
    }
    mv "$package" dist/
    package=dist/$(basename "$package")
    echo "package.sh: wrote $package"
    # Errors fail the build; warnings and notes are shown.
    lintian --fail-on error --info "$package"
    ;;
*)
    usage
    ;;
esac
