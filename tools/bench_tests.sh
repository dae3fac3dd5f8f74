#!/usr/bin/env bash
# Times the whole test run over a release build, to keep it under a minute on
# a 2-core machine: bench_tests.sh [build folder] [runs]
# Prints per run the wall time, the CPU time of everything the run started,
# and both per case (GoogleTest cases over all test programs).
set -eu
build=${1:-build}
runs=${2:-3}
jobs=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cases=0
for t in "$build"/tests/test_*; do
    [ -x "$t" ] || continue
    n=$("$t" --list-programs | awk '{s += $2} END {print s + 0}')
    cases=$((cases + n))
done
entries=$(ctest --test-dir "$build" -N | sed -n 's/^Total Tests: //p')
TIMEFORMAT='%R %U %S'
for i in $(seq "$runs"); do
    times=$( { time ctest --test-dir "$build" -j "$jobs" > /dev/null; } 2>&1 )
    read -r real user sys <<< "$times"
    awk -v i="$i" -v r="$real" -v u="$user" -v s="$sys" -v c="$cases" -v e="$entries" -v j="$jobs" 'BEGIN {
        printf "run %d: %.1f s with %d jobs over %d entries (%d cases): %.2f ms a case; CPU %.1f s (%.1f user, %.1f system), %.2f ms a case\n",
               i, r, j, e, c, 1000 * r / c, u + s, u, s, 1000 * (u + s) / c }'
done
