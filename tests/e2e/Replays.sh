#!/usr/bin/env bash
# A run recorded and played again as a player would do it, with a home folder of its own: a
# short game played with real input under --record (its game picture saved after three
# updates), the file checked with --verify (equal), last.replay kept beside it, a copy with one
# move order moved found to part at the right checkpoint, a broken file refused with status 2,
# and --replay in a window that shows the same three pictures and then "Replay finished"; the
# Records screen reached from the menu. A screenshot of each goes into the screenshot folder.
# Usage: Replays.sh GAME CLOSE_WINDOW WORKING_DIR SCREENSHOT_DIR
set -euo pipefail

game=$1
close_window=$2
workdir=$3
shots=$4/replays
mkdir -p "$shots"

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

pictures=$HOME/.local/share/vantor-game/screenshots
run=$tmp/run.replay
# The updates after which the game picture is saved, in the recording and in its replay.
export VANTOR_SHOT_UPDATES=200,700,1300

# The game picture saved after each of the three updates, moved into the folder.
collect_pictures() {
    local into=$1
    mkdir -p "$into"
    for _ in $(seq 40); do
        [[ $(find "$pictures" -name '*.png' 2>/dev/null | wc -l) -ge 3 ]] && break
        sleep 0.25
    done
    mapfile -t saved < <(find "$pictures" -name '*.png' | sort)
    [[ ${#saved[@]} -eq 3 ]] || fail "${#saved[@]} game pictures saved, not 3"
    for index in 0 1 2; do
        mv "${saved[$index]}" "$into/$index.png"
    done
}

click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"
}

start_display

# 1. A short game recorded: flying, a torpedo, engineering opened and closed, past update 1300.
start_game "$game" "$workdir" --record "$run"
xdotool windowfocus --sync "$window" 2>/dev/null || true
expect_sound "play intro.mp3"
xdotool key Return
expect_sound "play track01.mp3 repeat"
click_at 600 300
sleep 1
click_at 800 200 3
sleep 1.5
xdotool key KP_Add
sleep 0.5
xdotool key Return
click_at 300 500
sleep 20
shot recorded
xdotool key ctrl+q
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "Ctrl+Q did not end the game"
game_pid=
collect_pictures "$tmp/recorded"
grep -q ' left ' "$run" || fail "no move order in the replay: $(head -n 20 "$run")"
grep -q ' end ' "$run" || fail "the replay has no end line: $(tail -n 3 "$run")"
echo "record: $(wc -l <"$run") lines, $(grep -c ' left \| right ' "$run") clicks"

# 2. Checked headless: the same game to the end.
line=$("$game" --replay "$run" --verify) || fail "the recorded run does not verify: $line"
[[ $line == *": equal: "*" updates, digest "* ]] || fail "unexpected line: $line"
echo "verify: $line"
last=$HOME/.local/share/vantor-game/last.replay
[[ -f $last ]] || fail "no last.replay in the data folder"
cmp -s <(grep -v '^game ' "$last") <(grep -v '^game ' "$run") ||
    fail "last.replay is not the run recorded"

# 3. The last move order moved (the first may come while the sector still opens, when the ship
# takes no order): the game parts from the recording, and says where.
moved=$tmp/moved.replay
tac "$run" | awk '!done && $2 == "left" { $3 = ($3 + 300) % 1024; done = 1 } { print }' |
    tac >"$moved"
status=0
line=$("$game" --replay "$moved" --verify) || status=$?
[[ $status -eq 1 && $line == *"diverged after update "* ]] ||
    fail "a moved click gave status $status: $line"
echo "moved: $line"

# 4. A file that is no replay: status 2 and one line.
head -c 200 "$run" >"$tmp/cut.replay"
status=0
"$game" --replay "$tmp/cut.replay" --verify 2>"$tmp/cut.txt" || status=$?
[[ $status -eq 2 && $(wc -l <"$tmp/cut.txt") -eq 1 ]] ||
    fail "a cut file gave status $status: $(cat "$tmp/cut.txt")"
echo "cut: $(cat "$tmp/cut.txt")"

# 5. Played in a window: the same pictures, then the end said.
start_game "$game" "$workdir" --replay "$run"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key plus plus
shows finished "Replay finished"
collect_pictures "$tmp/replayed"
for index in 0 1 2; do
    differing=$(compare -metric AE "$tmp/recorded/$index.png" "$tmp/replayed/$index.png" \
        null: 2>&1) || true
    cp "$tmp/replayed/$index.png" "$shots/replayed-$index.png"
    [[ $differing == 0 ]] || fail "picture $index of the replay differs in $differing pixels"
done
echo "replay: the three pictures equal the recording's; the end said"

# 6. The Records screen, from the menu.
xdotool key Escape Down Down Down Down Return
shows records "Records" "No runs yet"
close_game
echo "records: the screen shows from the menu"
