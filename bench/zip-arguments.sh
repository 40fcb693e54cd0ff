# shellcheck shell=bash
# What the package benchmarks (measure_windows.sh, measure_web.sh) share: sourced from the top
# of the checkout with their arguments, it names a failing command on stderr (on-error.sh) and
# checks the command line, the package measured and, optionally, the reference measured beside
# it in the same run; a wrong one ends the script with status 2.
# shellcheck source=../scripts/on-error.sh
source scripts/on-error.sh
[[ $# -ge 1 && $# -le 2 ]] || {
    echo "usage: $0 NEW.zip [REFERENCE.zip]" >&2
    exit 2
}
