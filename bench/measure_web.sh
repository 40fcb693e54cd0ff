#!/usr/bin/env bash
# Measures the web package in headless Chromium over the DevTools protocol, each figure beside
# the same of a reference package measured in the same run (the build before a change: make it
# with scripts/package.sh web in a checkout of that commit):
#   bash bench/measure_web.sh NEW.zip [REFERENCE.zip]
# Prints a table (bench/web_measure.py says what each figure is): the bytes the page downloads
# from a plain server, the time from its data loaded to the title shown, the WebAssembly memory
# at the title and after a minute of play, the frames a second with WebGL turned off, and
# Lighthouse's performance score and total blocking time (desktop, no throttling, the local
# server), with its other scores. Lighthouse is npm's lighthouse 12.2.3 (the last for Debian's
# Node 18 and 20), installed with npm into the cache folder outside the tree
# (${VANTOR_CACHE_DIR:-~/.cache/vantor-game}/bench-node) the first time; MEASURE_LIGHTHOUSE=0
# leaves it out. Exit status 0 when every target is met, 1 when one is missed, 2 when the page
# could not be measured or the command line is wrong.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=zip-arguments.sh
source bench/zip-arguments.sh "$@"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Each zip unpacked into a folder of its own; the page is where its index.html is (at the top
# of the zip since the page was made light, in a folder of the zip before).
folders=()
names=(now before)
for i in $(seq 1 $#); do
    zip=$(realpath "${!i}")
    mkdir -p "$tmp/$i"
    (cd "$tmp/$i" && unzip -q "$zip")
    page=$(dirname "$(find "$tmp/$i" -name index.html | sort | head -n 1)")
    folders+=("${names[$((i - 1))]}=$page")
done

if [[ ${MEASURE_LIGHTHOUSE:-1} != 0 ]]; then
    node_folder=${VANTOR_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor-game}/bench-node
    if [[ ! -x $node_folder/node_modules/.bin/lighthouse ]]; then
        mkdir -p "$node_folder"
        (cd "$node_folder" && npm i -E lighthouse@12.2.3 --no-audit --no-fund >&2)
    fi
    export LIGHTHOUSE=$node_folder/node_modules/.bin/lighthouse
fi
echo "web: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg), $(chromium --version 2>/dev/null)"
status=0
/usr/bin/python3 bench/web_measure.py "${folders[@]}" || status=$?
echo "web: load average after $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
