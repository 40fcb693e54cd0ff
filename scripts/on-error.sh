# shellcheck shell=bash
# Sourced by the scripts that run under set -e, so that none of them ends without a word: when
# a command fails and so ends the script, this names it on stderr with its exit status, its
# file and its line, after the script's name and, when the script has set error_context (say
# "stage windows"), that too:
#   test.sh: FAILED in stage windows: "bash scripts/package.sh windows" exited with status 1 (scripts/test.sh line 120)
# It sets the script's ERR trap and errtrace (so that a command failing inside a function is
# named too). A command that fails inside a subshell, a command substitution or a pipeline is
# named by the command that holds it, once: inside them a failure need not end the script.
# The exit status is the failed command's, as without this file. Sourced, not run; it keeps no
# state but the trap, and a script that sets its own ERR trap afterwards replaces it.

set -o errtrace

# Names the failed command: failed_command STATUS COMMAND FILE LINE
failed_command() {
    ((BASH_SUBSHELL == 0)) || return 0
    echo "${0##*/}: FAILED${error_context:+ in $error_context}: \"$2\" exited with status $1 ($3 line $4)" >&2
}
trap 'failed_command $? "$BASH_COMMAND" "${BASH_SOURCE[0]}" "$LINENO"' ERR
