#!/usr/bin/env bash
# Installs the Debian package as a player would (apt-get resolves its dependencies), starts
# the installed game from / on a virtual display and sees its title, checks --version, then
# purges the package and checks that none of its files is left.
# Usage: InstalledPackage.sh PACKAGE.deb CLOSE_WINDOW SCREENSHOT_DIR
set -euo pipefail

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
package_arguments "$@"

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive

version=$(dpkg-deb -f "$package" Version)
dpkg-query -W -f='${Status}' vantor-game 2>/dev/null | grep -q "ok installed" &&
    fail "vantor-game is installed already; remove it first"
"${as_root[@]}" apt-get install -y -qq "$package" >"$tmp/install.log" 2>&1 ||
    fail "apt-get install failed: $(tail -n 5 "$tmp/install.log")"
installed() { dpkg-query -W -f='${Status}' vantor-game 2>/dev/null | grep -q "ok installed"; }
purge() { installed && "${as_root[@]}" apt-get purge -y -qq vantor-game >"$tmp/purge.log" 2>&1; }
trap 'purge || true; cleanup' EXIT
dpkg -L vantor-game >"$tmp/files"

game=/usr/games/vantor-game
workdir=/usr/share/games/vantor-game
[[ -x $game ]] || fail "$game was not installed"
[[ $("$game" --version) == "vantor-game $version" ]] ||
    fail "--version says \"$("$game" --version)\", the package is $version"
for file in /usr/share/applications/org.vantorgame.vantorgame.desktop \
    /usr/share/metainfo/org.vantorgame.vantorgame.metainfo.xml \
    /usr/share/man/man6/vantor-game.6.gz /usr/share/doc/vantor-game/copyright \
    /usr/share/doc/vantor-game/changelog.gz "$workdir/Splash.bmp" "$workdir/track01.mp3"; do
    [[ -f $file ]] || fail "$file was not installed"
done
for size in 16 22 24 32 48 64 128 256 512; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/org.vantorgame.vantorgame.png
    [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || fail "$icon is not $size by $size"
done
zgrep -q 'data\\-dir' /usr/share/man/man6/vantor-game.6.gz || fail "the man page lacks the options"

start_display
start_game "$game" /
expect_sound "play intro.mp3"
wait_for_picture "$shots/package-title.png" Splash.bmp at-least 7 \
    520,420 600,460 680,500 560,560 640,600 720,380 480,640 760,640
close_game
echo "installed $(basename "$package") with apt-get; the game started from / showed its title; --version $version"

purge || fail "apt-get purge failed: $(tail -n 5 "$tmp/purge.log")"
left=()
while read -r path; do
    [[ -e $path && ! -d $path ]] && left+=("$path")
done <"$tmp/files"
[[ -d $workdir ]] && left+=("$workdir")
[[ ${#left[@]} -eq 0 ]] || fail "left after purging: ${left[*]}"
echo "purged: none of its $(wc -l <"$tmp/files") paths is left"
