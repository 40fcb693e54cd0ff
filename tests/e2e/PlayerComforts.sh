#!/usr/bin/env bash
# What a player expects around the game, used the way a player uses it: the command line, the
# pause key and a switch to another program, the volume keys and mute kept for the next run,
# a screenshot, fullscreen kept for the next run, and a settings file full of garbage. All on a
# virtual display of our own, with a home folder of its own for the run.
# Usage: PlayerComforts.sh GAME CLOSE_WINDOW TAKE_FOCUS WORKING_DIR SCREENSHOT_DIR
set -euo pipefail

game=$1
close_window=$2
take_focus=$3
workdir=$4
shots=$5
mkdir -p "$shots"

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

settings=$HOME/.config/vantor-game/settings.ini
screenshots=$HOME/.local/share/vantor-game/screenshots
focus_pid=
wm_pid=
trap 'kill $focus_pid $wm_pid 2>/dev/null || true; cleanup' EXIT

# How many pixels two screenshots differ in.
pixels_apart() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

# Takes two screenshots a while apart and says whether the picture stood still.
stands_still() {
    local name=$1 apart=$2
    import -window root "$shots/$name-1.png"
    sleep "$apart"
    import -window root "$shots/$name-2.png"
    [[ $(pixels_apart "$shots/$name-1.png" "$shots/$name-2.png") == 0 ]]
}

# Waits up to 10 s for the game window to have this size.
wait_for_size() {
    for _ in $(seq 50); do
        xdotool getwindowgeometry "$window" | grep -q "Geometry: $1" && return 0
        sleep 0.2
    done
    fail "the window never became $1: $(xdotool getwindowgeometry "$window")"
}

# 1. The command line works without a display or a sound device.
without_display() {
    env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=none "$game" "$@" >"$tmp/out" 2>"$tmp/err"
}
without_display --help || fail "--help exited with $?"
grep -q -- "--data-dir" "$tmp/out" || fail "--help does not tell of --data-dir"
[[ ! -s $tmp/err ]] || fail "--help wrote to stderr: $(cat "$tmp/err")"
without_display --version || fail "--version exited with $?"
grep -Eqx "vantor-game [0-9]+(\.[0-9]+)+" "$tmp/out" || fail "--version printed: $(cat "$tmp/out")"
for wrong in --warp-speed --data-dir; do
    status=0
    without_display "$wrong" || status=$?
    [[ $status -eq 2 ]] || fail "$wrong: exit status $status, not 2"
    [[ ! -s $tmp/out && $(wc -l <"$tmp/err") -eq 1 ]] || fail "$wrong: not one line on stderr"
    grep -q "Usage: vantor-game" "$tmp/err" || fail "$wrong: no usage line: $(cat "$tmp/err")"
done
echo "command line: --help, --version, one usage line and status 2 for a wrong option"

start_display
start_game "$game" "$workdir"
xdotool windowfocus --sync "$window"
expect_sound "play intro.mp3"
xdotool key Return
expect_sound "play track01.mp3 repeat"
sleep 0.3

# 2. P freezes the picture while the ship is under way, and P again lets it go on.
xdotool mousemove --window "$window" 980 700 click 1
expect_sound "play zeb_engine_2.mp3"
sleep 0.3
stands_still flying 0.4 && fail "the ship does not move before the pause"
xdotool key p
sleep 0.3
stands_still paused 1 || fail "the picture changed while paused"
bright=$(convert "$shots/flying-2.png" -format "%[fx:mean]" info:)
dimmed=$(convert "$shots/paused-2.png" -format "%[fx:mean]" info:)
awk -v b="$bright" -v d="$dimmed" 'BEGIN { exit !(d < b * 0.8) }' ||
    fail "the paused picture is not dimmed ($dimmed against $bright)"
xdotool key p
sleep 0.3
stands_still resumed 0.4 && fail "the picture stands still after P resumed the game"
echo "pause: the picture stands still for a second under the dimmed pause screen, and moves again"

# 3. F12 saves the game picture.
xdotool key F12
for _ in $(seq 50); do
    compgen -G "$screenshots/*.png" >/dev/null && break
    sleep 0.1
done
shot=$(compgen -G "$screenshots/*.png" | head -n 1) || fail "no screenshot in $screenshots"
[[ $(identify -format '%m %wx%h' "$shot") == "PNG 1024x768" ]] ||
    fail "the screenshot is $(identify -format '%m %wx%h' "$shot")"
cp "$shot" "$shots/screenshot.png"
# The notice that names the file goes away by itself after three seconds.
sleep 3.2
echo "screenshot: $(basename "$shot"), PNG 1024x768"

# 4. Another program takes the keyboard: the game pauses, and stays paused on coming back.
"$take_focus" >"$tmp/focus" &
focus_pid=$!
sleep 0.5
stands_still away 1 || fail "the game went on while another window had the focus"
kill "$focus_pid"
focus_pid=
xdotool windowfocus --sync "$window"
stands_still back 0.5 || fail "the game resumed by itself when it got the focus back"
xdotool key Escape
sleep 0.3
stands_still going-on 0.4 && fail "Escape did not resume the game"
echo "focus: another window's focus paused the game until Escape"

# 5. The volume keys and mute are kept for the next run.
xdotool key 9 9 9 m
sleep 0.3
close_game
grep -qx "volume = 70" "$settings" || fail "the kept volume is not 70: $(cat "$settings")"
grep -qx "mute = true" "$settings" || fail "mute was not kept: $(cat "$settings")"
echo "sound: 9 three times and M kept as volume 70, muted"

# 6. A settings file full of garbage: the game starts all the same, says where the trouble is,
# and keeps the file aside.
printf 'not a setting \001\377\n[window\nvolume = loud\n' >"$settings"
cp "$settings" "$tmp/garbage"
rm -f "$tmp/sound.log"
start_game "$game" "$workdir"
expect_sound "play intro.mp3"
grep -q "$settings:1: " "$tmp/stderr" || fail "no message naming the file and line: $(cat "$tmp/stderr")"
cmp -s "$tmp/garbage" "$settings.bad" || fail "the broken file was not kept as settings.ini.bad"
grep -qx "volume = 100" "$settings" || fail "no new settings file with the defaults"
close_game
echo "garbage settings: $(head -n 1 "$tmp/stderr")"

# 7. F11 and fullscreen kept for the next start. A window manager is what makes a window
# fullscreen, as on any desktop.
openbox --sm-disable >"$tmp/wm.log" 2>&1 &
wm_pid=$!
sleep 1
rm -f "$tmp/sound.log"
start_game "$game" "$workdir"
xdotool windowfocus --sync "$window"
wait_for_size 1024x768
xdotool key F11
wait_for_size 1280x1024
# Ctrl+Q quits as the close box does.
xdotool key ctrl+q
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "Ctrl+Q did not end the game"
status=0
wait "$game_pid" || status=$?
game_pid=
[[ $status -eq 0 ]] || fail "exit status after Ctrl+Q was $status"
grep -qx "fullscreen = true" "$settings" || fail "fullscreen was not kept"
start_game "$game" "$workdir"
wait_for_size 1280x1024
# The title, letterboxed over the whole screen, once the game has loaded.
for _ in $(seq 50); do
    import -window root "$shots/fullscreen.png"
    awk -v m="$(convert "$shots/fullscreen.png" -format "%[fx:mean]" info:)" \
        'BEGIN { exit !(m > 0.05) }' && break
    sleep 0.2
done
awk -v m="$(convert "$shots/fullscreen.png" -format "%[fx:mean]" info:)" \
    'BEGIN { exit !(m > 0.05) }' || fail "the fullscreen game shows nothing"
close_game
echo "fullscreen: F11 made the window 1280x1024, kept for the next start; Ctrl+Q quit with 0"
