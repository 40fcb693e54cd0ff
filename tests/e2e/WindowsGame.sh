#!/usr/bin/env bash
# Plays the Windows package the way a Windows player would, under Wine on a virtual display:
# the zip unpacked into an empty folder, the program started from there in a Wine prefix made
# for the run. A window titled "Vantor Game" with a 1024 by 768 client area appears, the title
# shows its green prompt, Enter starts sector 1, a left click moves the ship, the game's menu
# and its screens show and answer keys and the mouse, and closing the window ends the program
# with status 0.
# Usage: WindowsGame.sh PACKAGE.zip CLOSE_WINDOW SCREENSHOT_DIR
set -euo pipefail

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
package_arguments "$@"

export PATH=$PATH:/usr/lib/wine
export WINEPREFIX=$tmp/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$tmp/unpacked"
(cd "$tmp/unpacked" && unzip -q "$package")
folder=$(dirname "$(find "$tmp/unpacked" -name vantor-game.exe | head -n 1)")
[[ -f $folder/vantor-game.exe ]] || fail "no vantor-game.exe in $(basename "$package")"
workdir=$folder/data

start_display
# A new Wine prefix takes a while to make; the game's start must not be timed with it.
bash "$(dirname "$0")/../../scripts/wine-prefix.sh" "$tmp/wineboot.log" ||
    fail "could not make the Wine prefix for the game (above)"
wineserver -w

(cd "$folder" && SDL_AUDIODRIVER=dummy VANTOR_SOUND_LOG="$tmp/sound.log" exec wine64 vantor-game.exe) \
    2>"$tmp/stderr" &
game_pid=$!
wait_for_window 60
# The window may be shown before Wine has given it its final size.
for _ in $(seq 20); do
    size=$(xwininfo -id "$window" 2>/dev/null | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    [[ $size == 1024x768 ]] && break
    sleep 0.25
done
[[ $size == 1024x768 ]] || fail "the window's client area is $size, not 1024x768"
read -r window_x window_y < <(xwininfo -id "$window" |
    awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
expect_sound "play intro.mp3"

# The game picture's colour at a game point, from a screenshot.
colour_at() {
    colours_at "$1" "$window_x" "$window_y" "$2"
}

# The title's green prompt: the writing at (400, 730) and right of it is green.
for _ in $(seq 40); do
    import -window root "$shots/windows-title.png"
    green=0
    for point in 420,742 460,742 500,742 540,742 580,742 620,742; do
        IFS=, read -r r g b <<<"$(colour_at "$shots/windows-title.png" "$point")"
        ((g > 120 && r < 100 && b < 100)) && green=$((green + 1))
    done
    ((green >= 1)) && break
    sleep 0.25
done
((green >= 1)) || fail "the title shows no green prompt"
echo "title: a 1024x768 window titled Vantor Game, the prompt green"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool mousemove --window "$window" 700 400
xdotool key Return
expect_sound "play track01.mp3 repeat"
sleep 1
import -window root "$shots/windows-sector1.png"
xdotool click 1
expect_sound "play zeb_engine_2.mp3"
sleep 0.5
import -window root "$shots/windows-flying-1.png"
sleep 0.5
import -window root "$shots/windows-flying-2.png"
moved=$(compare -metric AE "$shots/windows-flying-1.png" "$shots/windows-flying-2.png" null: 2>&1 || true)
[[ $moved != 0 ]] || fail "the picture stood still after the left click"
echo "play: Enter started sector 1 (its music), a left click flew the ship ($moved pixels changed)"

# The game's menu, with the keyboard and the mouse, and the card of its help key.
menu_shows() {
    local name=$1
    shift
    for _ in $(seq 20); do
        import -window root "$shots/windows-$name.png"
        reads "$shots/windows-$name.png" "$@" 2>/dev/null && return 0
        sleep 0.5
    done
    reads "$shots/windows-$name.png" "$@" || fail "$name: the words \"$*\" do not show"
}
xdotool key Escape
menu_shows menu "Paused" "Resume" "Options" "Controls" "How to play" "Records" "Quit"
xdotool key Down Return
menu_shows options "Volume" "Music" "Captions"
xdotool key Escape Down Return
menu_shows controls "Open engineering" "Reset to defaults"
xdotool key Escape
# A click on Resume (its row, in the window) lets the game go on.
xdotool mousemove --window "$window" 400 284 click 1
sleep 0.3
xdotool key F1
menu_shows how-to-play "How to play" "engineering"
xdotool key Escape
echo "menu: Escape opened it, Options and Controls showed, a click on Resume resumed, F1 the card"

"$close_window" "$window" || fail "could not send the close request"
timeout 20 tail --pid="$game_pid" -f /dev/null || fail "the game did not exit after the close request"
status=0
wait "$game_pid" || status=$?
game_pid=
[[ $status -eq 0 ]] || fail "exit status after closing was $status"
wineserver -k 2>/dev/null || true
echo "closed: exit status 0"
