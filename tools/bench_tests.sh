#!/usr/bin/env bash
# Times the whole test run over a release build, to keep it under a minute on
# a 2-core machine: bench_tests.sh [build folder] [runs]
set -eu
build=${1:-build}
runs=${2:-3}
jobs=${CTEST_PARALLEL_LEVEL:-$(nproc)}
for i in $(seq "$runs"); do
    start=$(date +%s.%N)
    ctest --test-dir "$build" -j "$jobs" > /dev/null
    end=$(date +%s.%N)
    echo "run $i: $(echo "$end - $start" | bc) s with $jobs jobs over $(ctest --test-dir "$build" -N | tail -1)"
done
