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

tmp=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [[ -f "$tmp/stderr" ]] && sed 's/^/game stderr: /' "$tmp/stderr" >&2
    [[ -f "$tmp/sound.log" ]] && sed 's/^/sound: /' "$tmp/sound.log" >&2
    exit 1
}

# Waits up to 10 s for a line in the sound log.
expect_sound() {
    for _ in $(seq 100); do
        grep -qxF -- "$1" "$tmp/sound.log" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "the game never asked for \"$1\""
}

# 1. Without a display the game says why and exits with 255.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy "$game" >"$tmp/out" 2>"$tmp/err" || status=$?
[[ $status -eq 255 ]] || fail "without a display the exit status was $status, not 255"
[[ $(wc -l <"$tmp/err") -eq 1 ]] || fail "without a display stderr was not one line: $(cat "$tmp/err")"
grep -q "vantor-game" "$tmp/err" || fail "the no-display message does not name the game"
echo "no display: status 255, \"$(cat "$tmp/err")\""

# 2. A virtual display of our own.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [[ -s "$tmp/display" ]] && break
    sleep 0.1
done
[[ -s "$tmp/display" ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$tmp/display")"

# 3. Start the game as a player would, with the sound commands written to a log.
(cd "$workdir" && SDL_AUDIODRIVER=dummy VANTOR_SOUND_LOG="$tmp/sound.log" exec "$game") \
    2>"$tmp/stderr" &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantor Game$' | head -n 1) ||
    fail "no window titled \"Vantor Game\" appeared"
geometry=$(xdotool getwindowgeometry "$window")
grep -q "Geometry: 1024x768" <<<"$geometry" || fail "window geometry: $geometry"
xprop -id "$window" WM_CLASS | grep -q '"GameEngine"' || fail "window class: $(xprop -id "$window" WM_CLASS)"
expect_sound "play intro.mp3"
sleep 0.5
import -window root "$shots/title.png"

# 4. Enter leaves the title; a left click in the game gives a move order.
xdotool mousemove --window "$window" 500 400
xdotool key Return
expect_sound "stop intro.mp3"
expect_sound "play track01.mp3 repeat"
sleep 0.3
xdotool click 1
expect_sound "play zeb_engine_2.mp3"
sleep 0.5
import -window root "$shots/sector1.png"

# 5. The window manager's close request ends the game with status 0.
"$close_window" "$window" || fail "could not send the close request"
status=0
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not exit after the close request"
wait "$game_pid" || status=$?
game_pid=
[[ $status -eq 0 ]] || fail "exit status after closing was $status"
echo "played: title, Enter, click, close; exit status 0"
