# shellcheck shell=bash disable=SC2154 # workdir, close_window: set by the caller
# Shared by the end-to-end scripts and the measurement of the real game: a virtual display
# of our own, the game started on it with its sound commands written to a log, and ways to
# look at what it shows. The caller sets workdir (where the game's files are) before using
# shows_picture, and close_window (the program that sends a window the close request) before
# using close_game. Before sourcing, a caller may set fail_status (the exit status of fail, 1
# unless set), keep_tmp (keep the temporary folder and say where), display_niceness (the
# niceness the display runs at) and display_in_file (the screen's pixels also in the file
# $tmp/Xvfb_screen0, to read without asking the display). A command that fails and so ends
# the script is named on stderr (scripts/on-error.sh).

# shellcheck source=../../scripts/on-error.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/on-error.sh"

tmp=$(mktemp -d)
# The game keeps settings and screenshots in the player's folders: a home of its own for the
# run, so that nothing of the machine's user is read or changed.
export HOME="$tmp/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME"
xvfb_pid=
game_pid=
cleanup() {
    if [[ -n "$game_pid" ]]; then kill "$game_pid" 2>/dev/null || true; fi
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [[ -n ${keep_tmp:-} ]]; then
        echo "kept $tmp" >&2
    else
        rm -rf "$tmp"
    fi
}
trap cleanup EXIT

# The arguments of the scripts that play a package: PACKAGE CLOSE_WINDOW SCREENSHOT_DIR. Sets
# package (its full path), close_window and shots, and makes the screenshot folder.
# shellcheck disable=SC2034 # package is the caller's
package_arguments() {
    [[ $# -eq 3 ]] || fail "usage: ${0##*/} PACKAGE CLOSE_WINDOW SCREENSHOT_DIR (given: $*)"
    package=$(realpath "$1")
    close_window=$2
    shots=$3
    mkdir -p "$shots"
}

fail() {
    echo "FAIL: $*" >&2
    [[ -f "$tmp/stderr" ]] && sed 's/^/game stderr: /' "$tmp/stderr" >&2
    [[ -f "$tmp/sound.log" ]] && sed 's/^/sound: /' "$tmp/sound.log" >&2
    exit "${fail_status:-1}"
}

# Waits up to 10 s for a line in the sound log.
expect_sound() {
    wait_sound "$1" 0 10 || fail "the game never asked for \"$1\""
}

# The colours "R,G,B" of the picture at the given points "x,y", offset by (dx, dy), in one go.
colours_at() {
    local picture=$1 dx=$2 dy=$3 format="" point x y
    shift 3
    for point in "$@"; do
        x=$((${point%,*} + dx))
        y=$((${point#*,} + dy))
        format+="%[fx:int(255*p{$x,$y}.r+0.5)],%[fx:int(255*p{$x,$y}.g+0.5)],%[fx:int(255*p{$x,$y}.b+0.5)] "
    done
    convert "$picture" -format "$format" info:
}

# How many of the game points "x,y ..." show the picture file's own pixel on the screenshot
# (the game picture sits at the window's place, 100,100 on the virtual screen).
shows_picture() {
    local shot=$1 file=$2 matches=0 i
    shift 2
    local -a seen expected
    read -r -a seen < <(colours_at "$shot" 100 100 "$@")
    read -r -a expected < <(colours_at "$workdir/$file" 0 0 "$@")
    for i in "${!expected[@]}"; do
        IFS=, read -r r1 g1 b1 <<<"${seen[$i]:-0,0,0}"
        IFS=, read -r r2 g2 b2 <<<"${expected[$i]}"
        if ((r1 - r2 < 12 && r2 - r1 < 12 && g1 - g2 < 12 && g2 - g1 < 12 && b1 - b2 < 12 && b2 - b1 < 12)); then
            matches=$((matches + 1))
        fi
    done
    echo "$matches"
}

# Takes screenshots into SHOT until at least MIN of the points show FILE (10 s at most), or
# with "at-most", until at most MIN do.
wait_for_picture() {
    local shot=$1 file=$2 mode=$3 min=$4 shown=0
    shift 4
    for _ in $(seq 20); do
        import -window root "$shot"
        shown=$(shows_picture "$shot" "$file" "$@")
        if [[ $mode == at-least ]] && ((shown >= min)); then return 0; fi
        if [[ $mode == at-most ]] && ((shown <= min)); then return 0; fi
        sleep 0.5
    done
    fail "$(basename "$shot"): $file shows at $shown of $# points"
}

# Whether tesseract reads every one of the words on the picture, as it is or made black on
# white (light words on the game's dark panels read better so); says what it read when not.
reads() {
    local picture=$1 text word
    shift
    convert "$picture" -colorspace Gray -threshold 45% -negate "$tmp/ocr.png"
    text=$({ tesseract "$picture" - && tesseract "$tmp/ocr.png" -; } 2>/dev/null | tr '\n' ' ')
    for word in "$@"; do
        grep -qF -- "$word" <<<"$text" || {
            echo "$(basename "$picture") reads: $text" >&2
            return 1
        }
    done
}

# A screenshot of the game's window ($window) into the script's screenshot folder ($shots),
# named after what it shows.
shot() {
    import -window "$window" "$shots/$1.png"
}

# Takes the screenshot NAME until the window shows every one of the words (10 s at most), and
# fails the test when it never does.
shows() {
    local name=$1
    shift
    for _ in $(seq 20); do
        shot "$name"
        reads "$shots/$name.png" "$@" 2>/dev/null && return 0
        sleep 0.5
    done
    reads "$shots/$name.png" "$@" || fail "$name: the words \"$*\" do not show"
}

# Starts a virtual display of our own and points DISPLAY at it. The display does not reset
# when its last program leaves: a server resetting refuses the program that connects in that
# moment, as the game does right after the window manager or a helper has left.
start_display() {
    local in_file=()
    [[ -z ${display_in_file:-} ]] || in_file=(-fbdir "$tmp")
    exec 3>"$tmp/display"
    nice -n "${display_niceness:-0}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        -noreset "${in_file[@]}" >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do
        [[ -s "$tmp/display" ]] && break
        sleep 0.1
    done
    [[ -s "$tmp/display" ]] || fail "Xvfb did not start: $(tail -n 3 "$tmp/xvfb.log")"
    DISPLAY=":$(head -n 1 "$tmp/display")"
    export DISPLAY
}

# Starts the game from the folder DIR, with its sound commands logged and any further
# arguments given to it, and sets window to its window once that is shown.
start_game() {
    local game=$1 dir=$2
    shift 2
    (cd "$dir" && SDL_AUDIODRIVER=dummy VANTOR_SOUND_LOG="$tmp/sound.log" exec "$game" "$@") \
        2>"$tmp/stderr" &
    game_pid=$!
    wait_for_window 20
}

# Sets window to the game's shown window, waiting up to SECONDS for it while the game runs.
# A search that meets a window as it is dropped fails with BadWindow (Wine makes and drops
# helper windows while it starts), so this searches again rather than once with --sync.
wait_for_window() {
    local seconds=$1
    window=
    for _ in $(seq $((seconds * 4))); do
        window=$(xdotool search --onlyvisible --name '^Vantor Game$' 2>/dev/null | head -n 1) || true
        [[ -n $window ]] && return 0
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window appeared"
        sleep 0.25
    done
    fail "no window titled \"Vantor Game\" appeared"
}

# How many times the game has asked for the sound command so far.
sounds() {
    local count
    count=$(grep -cxF -- "$1" "$tmp/sound.log" 2>/dev/null) || true
    echo "${count:-0}"
}

# Waits up to the given seconds (default 10) for the sound command to be sent once more than
# the count given.
wait_sound() {
    local line=$1 before=${2:-0} seconds=${3:-10}
    for _ in $(seq $((seconds * 10))); do
        (($(sounds "$line") > before)) && return 0
        sleep 0.1
    done
    return 1
}

# Where the enemy (its red body) is on the game picture, as "x y", from a picture holding the
# game picture with its top-left at (x, y) (0, 0 unless given); nothing when none shows. The
# ship status in the top left corner, with its red damage marks, does not count.
enemy_on() {
    local picture=$1 x=${2:-0} y=${3:-0}
    nice -n 19 convert "$picture" -crop "1024x715+$x+$y" +repage \
        -fill black -draw "rectangle 0,0 210,115" \
        \( -clone 0 -channel R -separate +channel -threshold 55% \) \
        \( -clone 0 -channel G -separate +channel -negate -threshold 70% \) \
        \( -clone 0 -channel B -separate +channel -negate -threshold 70% \) \
        -delete 0 -compose multiply -flatten \
        -define connected-components:verbose=true -define connected-components:area-threshold=60 \
        -connected-components 8 null: 2>/dev/null |
        awk '/gray\(255\)/ { split($3, c, ","); if ($4 > best) { best = $4; x = c[1]; y = c[2] } }
             END { if (best > 0) printf "%d %d\n", x, y }'
}

# Asks the game's window to close as the window manager's close button does, and checks
# that the game then ends with status 0.
close_game() {
    local status=0
    "$close_window" "$window" || fail "could not send the close request"
    timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not exit after the close request"
    wait "$game_pid" || status=$?
    game_pid=
    [[ $status -eq 0 ]] || fail "exit status after closing was $status"
}
