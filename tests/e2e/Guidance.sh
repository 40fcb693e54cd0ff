#!/usr/bin/env bash
# What the game tells a new player, seen as a player sees it, with a home folder of its own:
# the prompt to fly until the first move order, the banner of sector 2, what a ramming costs,
# one message and status 2 for an empty data folder, and a SIGTERM that ends the game while
# a picture loader's message box waits. A screenshot of each goes into the screenshot folder;
# the words are read back with tesseract.
# Usage: Guidance.sh GAME CLOSE_WINDOW WORKING_DIR SCREENSHOT_DIR
set -euo pipefail

game=$1
close_window=$2
workdir=$3
shots=$4/guidance
mkdir -p "$shots"

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

# The id of the window with this title. SDL's message boxes have a title that xdotool's search
# does not see, so the window tree is read instead.
named_window() {
    xwininfo -root -tree | awk -v title="\"$1\":" 'index($0, title) && !found { print $1; found = 1 }'
}

# Takes the screenshot NAME until the words show in the part of it that ImageMagick's further
# arguments cut out, enlarged (six tries, for what shows only a moment on a busy machine).
reads_soon() {
    local name=$1 words=$2
    shift 2
    for _ in $(seq 6); do
        shot "$name"
        convert "$shots/$name.png" "$@" +repage -resize 200% "$tmp/part.png"
        reads "$tmp/part.png" "$words" 2>/dev/null && return 0
    done
    reads "$tmp/part.png" "$words" || fail "$name: \"$words\" not read"
}

click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
}

start_display
start_game "$game" "$workdir"
xdotool windowfocus --sync "$window" 2>/dev/null || true
expect_sound "play intro.mp3"

# 1. A first game: the prompt to fly, gone with the first move order.
xdotool key Return
expect_sound "play track01.mp3 repeat"
shows fly-prompt "Sector 1 of 15" "fly there"
click_at 500 300
expect_sound "play zeb_engine_2.mp3"
shows fire-prompt "fire at the enemy"
reads "$shots/fire-prompt.png" "fly there" 2>/dev/null && fail "the prompt to fly stayed"
echo "prompts: a first game told to fly until the first click, then to fire"

# 2. Flying right past the edge enters sector 2, which says so.
for _ in $(seq 60); do
    (($(sounds "play track02.mp3 repeat") > 0)) && break
    click_at 1010 140
    sleep 0.5
done
expect_sound "play track02.mp3 repeat"
# The banner lasts two seconds: its band alone, enlarged, is read quickly enough.
reads_soon sector-2 "Sector 2 of 15" -crop 1024x100+0+210
echo "banner: sector 2 said so"

# 3. Into the enemy until it rams the ship: the cost shows by the energy bar.
for _ in $(seq 60); do
    import -window "$window" "$tmp/look.png"
    if read -r ex ey < <(enemy_on "$tmp/look.png"); then
        click_at "$ex" "$ey"
    fi
    # The cost shows for two seconds: looked at as soon as the explosion is asked for.
    wait_sound "play smallexplosion1.mp3" 0 1 && break
done
(($(sounds "play smallexplosion1.mp3") > 0)) || fail "the enemy never rammed the ship"
# The pop-up is small and lasts two seconds: read where pop-ups go (under the top bar, or above
# the bottom one when the ship is there).
reads_soon rammed "Rammed" \( -clone 0 -crop 1024x120+0+40 \) \( -clone 0 -crop 1024x110+0+590 \) \
    -delete 0 -append
echo "ramming: what it cost shown by the energy bar"
close_game

# 4. An empty data folder: one message naming it, one box, and status 2.
mkdir -p "$tmp/empty"
(SDL_AUDIODRIVER=dummy exec "$game" --data-dir "$tmp/empty") >"$tmp/out" 2>"$tmp/stderr" &
game_pid=$!
box=
for _ in $(seq 40); do
    box=$(named_window 'Vantor Game')
    [[ -n $box ]] && break
    sleep 0.25
done
[[ -n $box ]] || fail "no message box for the empty data folder"
import -window root "$shots/empty-folder.png"
boxes=$(xwininfo -root -tree | grep -c '"Vantor Game"') || true
((boxes == 1)) || fail "$boxes windows for the empty data folder, not one box"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key --window "$box" Return
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end after its box"
status=0
wait "$game_pid" || status=$?
game_pid=
((status == 2)) || fail "the empty data folder ended with status $status, not 2"
grep -q "$tmp/empty" "$tmp/stderr" || fail "the message does not name the folder: $(cat "$tmp/stderr")"
grep -q "none of its" "$tmp/stderr" || fail "the message does not say all are missing"
[[ $(wc -l <"$tmp/stderr") -eq 1 ]] || fail "more than one line: $(cat "$tmp/stderr")"
echo "missing data: $(cat "$tmp/stderr")"

# 5. A picture that is there but broken gets the loader's box; SIGTERM ends the game at once.
mkdir -p "$tmp/broken"
cp -r "$workdir"/. "$tmp/broken/"
head -c 40 "$workdir/Planet7.bmp" >"$tmp/broken/Planet7.bmp"
rm -f "$tmp/sound.log"
(cd "$tmp/broken" && SDL_AUDIODRIVER=dummy exec "$game" --data-dir "$tmp/broken") \
    >"$tmp/out" 2>"$tmp/stderr" &
game_pid=$!
box=
for _ in $(seq 80); do
    box=$(named_window 'Image Manager Error')
    [[ -n $box ]] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its box"
    sleep 0.25
done
[[ -n $box ]] || fail "no box for the broken picture"
import -window root "$shots/loader-box.png"
kill -TERM "$game_pid"
timeout 2 tail --pid="$game_pid" -f /dev/null || fail "SIGTERM did not end the game within 2 s"
wait "$game_pid" || true
game_pid=
echo "broken picture: SIGTERM ended the game while its box was up"
