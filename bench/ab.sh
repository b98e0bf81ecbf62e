#!/usr/bin/env bash
# Time two or more builds of ovalspin-cli against each other on one core.
#
#   bench/ab.sh CORE ROUNDS BIN...
#
# A virtual machine's speed drifts from minute to minute, so figures taken
# at different times do not compare. This runs the log-off benchmark (3,000
# Tests, seed 1) for each binary in turn, round after round, pinned to one
# core, and prints the best and median Tests a second of each. Each binary
# must sit beside the shipped database, as it does in its build directory.
set -euo pipefail
if [ $# -lt 3 ]; then
    echo "usage: bench/ab.sh CORE ROUNDS BIN..." >&2
    exit 2
fi
core=$1
rounds=$2
shift 2
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
declare -A seen
for ((i = 0; i < rounds; i++)); do
    for bin in "$@"; do
        rm -rf "$data/d"
        v=$(taskset -c "$core" "$bin" --data "$data/d" --seed 1 bench --tests 3000 --log off | awk '/Tests\/second/ {print $3}')
        seen[$bin]+="$v "
    done
done
for bin in "$@"; do
    echo "$bin: $(tr ' ' '\n' <<<"${seen[$bin]}" | sed '/^$/d' | sort -n |
        awk '{v[NR] = $1} END {print "best", v[NR], "median", v[int((NR + 1) / 2)]}')"
done
