#!/usr/bin/env bash
# The game's own menu, used the way a player uses it, under a window manager with a home
# folder of its own: the card on the title's F1, the menu over the game while the level hears
# nothing, the music turned down and kept, a click on Resume, the captions of the ship's
# computer, and a key of the player's choosing that opens engineering. A screenshot of every
# screen goes into the screenshot folder; the words of each are read back with tesseract.
# Usage: GameMenu.sh GAME CLOSE_WINDOW WORKING_DIR SCREENSHOT_DIR
set -euo pipefail

game=$1
close_window=$2
workdir=$3
shots=$4/menu
mkdir -p "$shots"

# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

settings=$HOME/.config/vantor-game/settings.ini
wm_pid=
trap 'kill $wm_pid 2>/dev/null || true; cleanup' EXIT

start_display
openbox --sm-disable >"$tmp/wm.log" 2>&1 &
wm_pid=$!
sleep 1
start_game "$game" "$workdir"
xdotool windowfocus --sync "$window"
expect_sound "play intro.mp3"

# 1. A new player's title says where help and the menu are; F1 shows the card, Escape returns.
shows title "how to play" "menu"
xdotool key F1
shows how-to-play "How to play" "engineering" "warp energy"
xdotool key Escape
sleep 0.3
shot title-again
reads "$shots/title-again.png" "Cross fifteen" 2>/dev/null && fail "the card stayed after Escape"
echo "title: F1 showed the card, Escape went back"

# 2. Escape in play opens the menu; while it is up the level gets no call.
xdotool key Return
expect_sound "play track01.mp3 repeat"
sleep 0.3
xdotool key Escape
shows main "Paused" "Resume" "Options" "Controls" "How to play" "Records" "Quit"
heard=$(wc -l <"$tmp/sound.log")
xdotool keydown KP_Add mousemove --window "$window" 40 700 click 1 click 3
sleep 0.5
xdotool keyup KP_Add
sleep 0.3
[[ $(wc -l <"$tmp/sound.log") -eq $heard ]] ||
    fail "the level was called while the menu was up: $(tail -n +$((heard + 1)) "$tmp/sound.log")"
echo "menu: Escape opened it; keys and clicks under it reached no level"

# 3. Down, Enter (Options), Down (Music), Left three times: the music at 70%.
xdotool key Down Return
shows options "Options" "Volume" "Music" "Captions" "Each key press acts once"
xdotool key Down Left Left Left
shows music-70 "70%"
xdotool key Escape Down Return
shows controls "Controls" "Open engineering" "Keypad" "Reset to defaults"
xdotool key Escape Down Down Down Return
shows quit "Quit the game?" "Yes" "No"
xdotool key Escape
echo "options: the music turned down to 70%; the controls and the question before quitting shown"

# 4. A click on Resume resumes: the next click flies the ship.
xdotool key Up Up Up Up Up
shows main-again "Resume"
xdotool mousemove --window "$window" 400 284 click 1
sleep 0.3
xdotool mousemove --window "$window" 900 600 click 1
expect_sound "play zeb_engine_2.mp3"
echo "resume: a click on Resume let the game go on"

# 5. The ship's computer speaks with its words on the screen.
xdotool key KP_Add
expect_sound "play pleasespecifyhowyouwouldliketoproceed_ep.mp3"
shows caption "Please specify how you would like to proceed"
xdotool key Return
echo "captions: the words of the ship's computer shown while it speaks"

# 6. Escape, Escape leaves the menu as it was; Ctrl+Q keeps the music at 70.
xdotool key Escape Escape ctrl+q
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "Ctrl+Q did not end the game"
game_pid=
grep -qx "music = 70" "$settings" || fail "the music is not kept at 70: $(cat "$settings")"
grep -qx "played_before = true" "$settings" || fail "the first game is not remembered"
echo "settings: music = 70 kept"

# 7. A key of the player's own, set in the file, opens engineering in play.
sed -i '/^\[keys\]/,/^\[/ s/^engineering = .*/engineering = E/' "$settings"
grep -qx "engineering = E" "$settings" || fail "no engineering key in the file: $(cat "$settings")"
rm -f "$tmp/sound.log"
start_game "$game" "$workdir"
xdotool windowfocus --sync "$window"
expect_sound "play intro.mp3"
shot title-known
reads "$shots/title-known.png" "how to play" 2>/dev/null && fail "the title still shows the new player's line"
xdotool key Return
expect_sound "play track01.mp3 repeat"
xdotool key e
expect_sound "play pleasespecifyhowyouwouldliketoproceed_ep.mp3"
shows engineering "REPAIR"
close_game
echo "keys: E from settings.ini opened engineering"
