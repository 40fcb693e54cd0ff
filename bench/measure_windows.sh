#!/usr/bin/env bash
# Measures the Windows zip under Wine beside a reference zip in the same run (the build before
# a change: make it with scripts/package.sh windows in a checkout of that commit), each on a
# virtual display of its own with sound on SDL's dummy driver:
#   bash bench/measure_windows.sh NEW.zip [REFERENCE.zip]
# For each: the game's peak resident memory (VmHWM of its Windows process, read just before it
# is closed) after the scripted minute: the title, Enter, then for 60 s a left click to a
# corner of the screen and a torpedo every second. Wine's own Direct3D may keep copies of its
# own, which a program only presenting a full-screen picture would show too; the reference zip,
# measured the same way, is what a change is judged against. The target: at least 50 MB below
# the reference. Exit status 0 when met (or no reference was given), 1 when missed, 2 when a
# zip could not be measured.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=zip-arguments.sh
source bench/zip-arguments.sh "$@"
bash scripts/setup.sh --windows >/dev/null
export PATH=$PATH:/usr/lib/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
tmp=$(mktemp -d)
display_pid=
cleanup() {
    [[ -z $display_pid ]] || kill "$display_pid" 2>/dev/null || true
    WINEPREFIX=$tmp/wine wineserver -k 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

export WINEPREFIX=$tmp/wine
bash scripts/wine-prefix.sh "$tmp/wineboot.log"

# The peak resident memory of one zip's game after the scripted minute, in kB.
measure() {
    local zip=$1 name=$2 folder pid window="" peak=0
    mkdir -p "$tmp/$name"
    (cd "$tmp/$name" && unzip -q "$zip")
    folder=$(dirname "$(find "$tmp/$name" -name vantor-game.exe | head -n 1)")
    Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    display_pid=$!
    export DISPLAY=:97
    sleep 1
    (cd "$folder" && SDL_AUDIODRIVER=dummy exec wine64 vantor-game.exe) >/dev/null 2>&1 &
    for _ in $(seq 240); do
        window=$(xdotool search --name '^Vantor Game$' 2>/dev/null | head -n 1 || true)
        [[ -z $window ]] || break
        sleep 0.25
    done
    [[ -n $window ]] || {
        echo "windows: $name opened no window" >&2
        return 2
    }
    sleep 3
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool mousemove --window "$window" 512 400 key Return
    local corners=("200 200" "800 200" "800 600" "200 600")
    for second in $(seq 0 59); do
        # shellcheck disable=SC2086 # a corner is two numbers
        xdotool mousemove --window "$window" ${corners[$((second % 4))]} click 1 click 3
        sleep 1
    done
    # The game's Windows process is the largest of those named after it (Wine's loader may
    # show under the same name).
    for pid in $(pgrep -f 'vantor-game\.exe'); do
        local hwm
        hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
        ((hwm > peak)) && peak=$hwm
    done
    wineserver -k 2>/dev/null || true
    kill "$display_pid" 2>/dev/null || true
    wait "$display_pid" 2>/dev/null || true
    display_pid=
    echo "$peak"
}

echo "windows: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg), $(wine64 --version)"
now=$(measure "$(realpath "$1")" now) || exit 2
echo "windows: now: peak resident memory $((now / 1024)) MB after the scripted minute"
if [[ $# -eq 2 ]]; then
    before=$(measure "$(realpath "$2")" before) || exit 2
    echo "windows: reference: peak resident memory $((before / 1024)) MB after the scripted minute"
    lower=$(((before - now) / 1024))
    echo "windows: $lower MB lower than the reference (target: at least 50 MB lower)"
    echo "windows: load average after $(cut -d' ' -f1-3 /proc/loadavg)"
    ((lower >= 50)) || exit 1
fi
