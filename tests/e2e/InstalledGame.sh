#!/usr/bin/env bash
# Installs the game to a fresh prefix and starts the installed program from a folder that
# lacks its files, as a desktop launcher would: it must find its own pictures and sounds.
# Usage: InstalledGame.sh BUILD_DIR CLOSE_WINDOW SCREENSHOT_DIR
set -euo pipefail

build=$1
close_window=$2
shots=$3
mkdir -p "$shots"

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || fail "cmake --install failed"
workdir="$prefix/share/vantor-game"
for installed in bin/vantor-game share/applications/vantor-game.desktop \
    share/icons/hicolor/32x32/apps/vantor-game.png share/vantor-game/Splash.bmp \
    share/vantor-game/track01.mp3; do
    [[ -f "$prefix/$installed" ]] || fail "$installed was not installed"
done
[[ $(identify -format '%wx%h' "$prefix/share/icons/hicolor/32x32/apps/vantor-game.png") == 32x32 ]] ||
    fail "the icon is not 32 by 32"

start_display
mkdir -p "$tmp/elsewhere"
start_game "$prefix/bin/vantor-game" "$tmp/elsewhere"
expect_sound "play intro.mp3"
wait_for_picture "$shots/installed-title.png" Splash.bmp at-least 7 \
    520,420 600,460 680,500 560,560 640,600 720,380 480,640 760,640
close_game
echo "installed to a fresh prefix; started from elsewhere, it found its files and showed the title"
