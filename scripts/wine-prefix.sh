#!/usr/bin/env bash
# Makes a new Wine prefix in $WINEPREFIX (set by the caller, with WINEDEBUG and
# WINEDLLOVERRIDES as it wants them), with wineboot's output kept in the log file LOG.
# Making a prefix has failed now and then on a loaded machine and passed when run again: a
# failed first try is followed, after wineserver -k and with the prefix emptied, by one more.
# When that fails too, the end of the log is shown and the exit status is 1; the caller says
# what the prefix was for.
# Usage: bash scripts/wine-prefix.sh LOG
set -euo pipefail
# shellcheck source=on-error.sh
source "$(dirname "$0")/on-error.sh"

if [[ $# -ne 1 || -z ${WINEPREFIX:-} ]]; then
    echo "usage: WINEPREFIX=FOLDER $0 LOG" >&2
    exit 2
fi
log=$1
# Debian keeps wineserver out of PATH.
export PATH=$PATH:/usr/lib/wine

: >"$log"
for attempt in 1 2; do
    echo "wine-prefix: try $attempt: wine64 wineboot -i in $WINEPREFIX" >>"$log"
    status=0
    wine64 wineboot -i >>"$log" 2>&1 || status=$?
    if [[ $status -eq 0 ]]; then
        exit 0
    fi
    echo "wine-prefix: wine64 wineboot -i in $WINEPREFIX failed with status $status" \
        "(try $attempt of 2; its output is in $log)" >&2
    wineserver -k >>"$log" 2>&1 || true
    find "$WINEPREFIX" -mindepth 1 -delete >>"$log" 2>&1 || true
done
echo "wine-prefix: the end of $log:" >&2
tail -n 20 "$log" | sed 's/^/    /' >&2
exit 1
