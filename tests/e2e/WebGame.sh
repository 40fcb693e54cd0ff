#!/usr/bin/env bash
# Plays the web package the way a player would: the zip unpacked into an empty folder, served
# from 127.0.0.1 and opened in headless Chromium, driven through the DevTools protocol
# (web_game.py says what is checked), with WebGL (SwiftShader) or, with --no-webgl, in a browser
# whose WebGL is turned off, where the game draws with the processor; with WebGL, once more with
# a finger alone on a phone-sized screen (web_touch.py).
# Usage: WebGame.sh PACKAGE.zip SCREENSHOT_DIR [--no-webgl]
set -euo pipefail
# shellcheck source=../../scripts/on-error.sh
source "$(dirname "$0")/../../scripts/on-error.sh"

zip=$(realpath "$1")
shots=$2
mode=${3:-}
mkdir -p "$shots"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

(cd "$tmp" && unzip -q "$zip")
# Sites that host a game from a zip look for index.html at its top.
[[ -f $tmp/index.html ]] || {
    echo "FAIL: no index.html at the top of $(basename "$zip")" >&2
    exit 1
}
# Debian's Python, which has Debian's python3-websocket (another python3 may be first on PATH).
/usr/bin/python3 "$(dirname "$0")/web_game.py" "$tmp" "$shots" ${mode:+"$mode"}
if [[ -z $mode ]]; then
    /usr/bin/python3 "$(dirname "$0")/web_touch.py" "$tmp" "$shots"
fi
