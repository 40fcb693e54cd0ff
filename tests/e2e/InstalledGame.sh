#!/usr/bin/env bash
# Installs the game to a fresh prefix and starts the installed program from a folder that
# lacks its files, as a desktop launcher would: it must find its own pictures and sounds from
# its own place, wherever the prefix is. Also validates the installed desktop entry and
# metainfo as the desktop's tools do.
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
for installed in bin/vantor-game share/applications/org.vantorgame.vantorgame.desktop \
    share/metainfo/org.vantorgame.vantorgame.metainfo.xml share/vantor-game/Splash.bmp \
    share/vantor-game/track01.mp3; do
    [[ -f "$prefix/$installed" ]] || fail "$installed was not installed"
done
for size in 16 22 24 32 48 64 128 256 512; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/org.vantorgame.vantorgame.png
    [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || fail "$icon is not $size by $size"
done
# The desktop's own checks of the entry and the metainfo.
desktop-file-validate "$prefix/share/applications/org.vantorgame.vantorgame.desktop" ||
    fail "desktop-file-validate found fault with the desktop entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.vantorgame.vantorgame.metainfo.xml" \
    >"$tmp/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$tmp/appstream.log")"
grep -q "Validation was successful.$" "$tmp/appstream.log" ||
    fail "appstreamcli has remarks: $(cat "$tmp/appstream.log")"

start_display
mkdir -p "$tmp/elsewhere"
start_game "$prefix/bin/vantor-game" "$tmp/elsewhere"
expect_sound "play intro.mp3"
wait_for_picture "$shots/installed-title.png" Splash.bmp at-least 7 \
    520,420 600,460 680,500 560,560 640,600 720,380 480,640 760,640
close_game
echo "installed to a fresh prefix; started from elsewhere, it found its files and showed the title"
