#!/usr/bin/env bash
# Plays the real game the way a person does: on a virtual display, with real key presses,
# clicks and the window manager's close request, looking at screenshots and at the sound
# commands the game sent.
# Usage: PlayAsAPlayer.sh GAME CLOSE_WINDOW WORKING_DIR SCREENSHOT_DIR
set -euo pipefail

game=$1
close_window=$2
workdir=$3
shots=$4
mkdir -p "$shots" "$workdir"

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

# Points of the game picture that the bars, panels and ships leave free in the tests below.
free_points=("520,420" "600,460" "680,500" "560,560" "640,600" "720,380" "480,640" "760,640")

# 1. Without a display the game says why and exits with 255.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy "$game" >"$tmp/out" 2>"$tmp/err" || status=$?
[[ $status -eq 255 ]] || fail "without a display the exit status was $status, not 255"
[[ $(wc -l <"$tmp/err") -eq 1 ]] || fail "without a display stderr was not one line: $(cat "$tmp/err")"
grep -q "vantor-game" "$tmp/err" || fail "the no-display message does not name the game"
echo "no display: status 255, \"$(cat "$tmp/err")\""

# 2. A virtual display of our own, and the game started from its asset folder with the
# sound commands written to a log.
start_display
start_game "$game" "$workdir"
geometry=$(xdotool getwindowgeometry "$window")
grep -q "Geometry: 1024x768" <<<"$geometry" || fail "window geometry: $geometry"
xprop -id "$window" WM_CLASS | grep -q '"GameEngine"' || fail "window class: $(xprop -id "$window" WM_CLASS)"
expect_sound "play intro.mp3"
have_pictures=false
[[ -f "$workdir/SectorBackground.bmp" ]] && have_pictures=true
if $have_pictures; then
    wait_for_picture "$shots/title.png" Splash.bmp at-least 7 "${free_points[@]}"
else
    sleep 0.5
    import -window root "$shots/title.png"
fi

# 3. Enter leaves the title; a left click in the game gives a move order.
xdotool mousemove --window "$window" 500 400
xdotool key Return
expect_sound "stop intro.mp3"
expect_sound "play track01.mp3 repeat"
sleep 0.3
xdotool click 1
expect_sound "play zeb_engine_2.mp3"
if $have_pictures; then
    wait_for_picture "$shots/sector1.png" SectorBackground.bmp at-least 6 "${free_points[@]}"
else
    sleep 0.5
    import -window root "$shots/sector1.png"
fi

# 4. Numpad plus opens the engineering menu; Enter closes it.
xdotool key KP_Add
expect_sound "play pleasespecifyhowyouwouldliketoproceed_ep.mp3"
if $have_pictures; then
    wait_for_picture "$shots/menu.png" menu.png at-least 6 "${free_points[@]}"
fi
xdotool key Return
if $have_pictures; then
    wait_for_picture "$shots/menu-closed.png" SectorBackground.bmp at-least 6 "${free_points[@]}"
fi

# 5. Flying right past x 924 enters sector 2, with its own backdrop and music.
xdotool mousemove --window "$window" 1010 120
for _ in $(seq 40); do
    grep -qxF "play track02.mp3 repeat" "$tmp/sound.log" && break
    xdotool click 1
    sleep 0.5
done
expect_sound "play track02.mp3 repeat"
if $have_pictures; then
    wait_for_picture "$shots/sector2.png" Background01.png at-least 6 "${free_points[@]}"
fi

# 6. The window manager's close request ends the game with status 0.
close_game
echo "played: title, Enter, click, menu, sector 2, close; exit status 0"
