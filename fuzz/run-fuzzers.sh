#!/usr/bin/env bash
# Runs every fuzz target for at most SECONDS_EACH seconds on a copy of its seed corpus (the
# committed corpus is never written to) and fails when any of them finds a crash, a leak, a
# hang or a broken promise of the code under test. The inputs that did it are kept in
# FUZZ_BUILD_DIR/fuzz-findings/<target>/ and shown in hex on stderr.
#
# Usage: fuzz/run-fuzzers.sh FUZZ_BUILD_DIR SECONDS_EACH
# where FUZZ_BUILD_DIR was configured with clang and -DVANTOR_FUZZ=ON and the targets were
# built (cmake --build FUZZ_BUILD_DIR --target fuzz).
set -euo pipefail
# shellcheck source=../scripts/on-error.sh
source "$(dirname "$0")/../scripts/on-error.sh"

if [[ $# -ne 2 || ! $2 =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 FUZZ_BUILD_DIR SECONDS_EACH" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)

# Fuzz target, and its corpus folder under fuzz/corpus.
targets=(
    "vantor-fuzz-picture picture"
    "vantor-fuzz-media-command media-command"
    "vantor-fuzz-replay replay"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for entry in "${targets[@]}"; do
    read -r target corpus <<<"$entry"
    fuzzer="$build/fuzz/$target"
    if [[ ! -x "$fuzzer" ]]; then
        echo "run-fuzzers: $fuzzer is not built" >&2
        exit 2
    fi
    findings="$build/fuzz-findings/$target"
    rm -rf "$findings"
    mkdir -p "$findings" "$work/$corpus"
    cp -R "$here/corpus/$corpus/." "$work/$corpus/"

    echo "run-fuzzers: $target for ${seconds} s"
    status=0
    # libFuzzer ends by itself after max_total_time; the outer limit only guards against a
    # fuzzer that cannot stop.
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        timeout --kill-after=10 $((seconds + 60)) "$fuzzer" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$work/$corpus" \
        >"$work/$target.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$work/$target.log" || true
    if [[ $status -ne 0 ]]; then
        failed=1
        echo "run-fuzzers: $target FAILED (exit status $status); the end of its log:" >&2
        tail -n 60 "$work/$target.log" >&2
        for finding in "$findings"/*; do
            [[ -f "$finding" ]] || continue
            echo "run-fuzzers: input kept as $finding:" >&2
            od -A x -t x1z -v "$finding" | head -n 40 >&2
        done
    fi
done
exit $failed
