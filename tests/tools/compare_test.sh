#!/usr/bin/env bash
# Checks the report and the compare on a few programs: a build compared with
# itself differs nowhere; a copy of it in which one program is swapped for
# another fails that program's tests and is caught by the compare.
set -u
# The tools are checked on this build alone, whatever build the other tests check.
unset CORPUS_BIN CORPUS_RUN_UNDER CORPUS_TIME_SCALE CORPUS_SANITIZED
build=$1
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
expect() {  # expect <what> <wanted status> <status>
    if [ "$2" != "$3" ]; then echo "FAIL: $1: status $3, wanted $2"; failed=1; else echo "ok: $1"; fi
}

mkdir "$scratch/swapped"
cp -a "$build/bin/." "$scratch/swapped/"
cp "$build/bin/arg_count_report" "$scratch/swapped/arg_count_and_first_echo"
corpus() { python3 "$tools/corpus.py" --tests "$build" --only '^arg_count_' -j 2 "$@"; }

corpus report "$build" -o "$scratch/same.json" > "$scratch/log" 2>&1
expect "report of the build itself" 0 $?
python3 - "$scratch/same.json" <<'PY' || failed=1
import json, sys
r = json.load(open(sys.argv[1]))["programs"]["arg_count_report"]
for key in ("passed", "failed", "failing", "seconds", "size", "hash", "labels", "folder", "family"):
    assert key in r, key
assert r["failed"] == 0 and r["passed"] > 0 and r["hash"] and r["size"] > 0, r
print("ok: report fields")
PY

corpus compare "$scratch/same.json" "$build" > "$scratch/log" 2>&1
expect "compare of a build with its own report" 0 $?

corpus compare "$build" "$scratch/swapped" > "$scratch/log" 2>&1
expect "compare with a swapped program" 1 $?
if ! grep -q '^DIFFERS arg_count_and_first_echo: ' "$scratch/log" || grep -q '^DIFFERS arg_count_report' "$scratch/log"; then
    echo "FAIL: the compare names the wrong programs:"; cat "$scratch/log"; failed=1
fi

CORPUS_BIN="$scratch/swapped" ctest --test-dir "$build" -R '^arg_count_and_first_echo$' > "$scratch/log" 2>&1
expect "tests through CORPUS_BIN of a swapped program" 8 $(( $? == 0 ? 0 : 8 ))

CORPUS_BIN="$scratch/swapped" CORPUS_RUN_UNDER="env" ctest --test-dir "$build" -R '^arg_count_report$' > "$scratch/log" 2>&1
expect "tests through CORPUS_BIN and CORPUS_RUN_UNDER of an unchanged program" 0 $?

# A swapped program is reported in plain terms: the case's arguments and the
# bytes where the two sides part.
corpus compare "$build/bin" "$scratch/swapped" > "$scratch/log" 2>&1
if grep -q "^DIFFERS arg_count_and_first_echo: fails on the second side only: case 1 (.*): arg_count_and_first_echo 'a' 'b'" "$scratch/log" &&
   grep -q 'stdout differs at byte 0' "$scratch/log"; then
    echo "ok: plain terms for a swapped program"
else
    echo "FAIL: the compare does not show the case in plain terms:"; cat "$scratch/log"; failed=1
fi
python3 "$tools/corpus.py" compare "$build/bin" "$scratch/swapped" --tests "$build" --only '^arg_count_and_first_echo$' -j 1 > /dev/null 2>&1
expect "options after the command" 1 $?

# repro writes a folder whose run.sh passes on a good build and fails on the swapped one.
corpus repro arg_count_and_first_echo --bin "$scratch/swapped" -o "$scratch/repro" > "$scratch/log" 2>&1
expect "repro of a swapped program" 0 $?
"$scratch/repro/run.sh" > "$scratch/log" 2>&1
expect "run.sh on the swapped program" 1 $?
"$scratch/repro/run.sh" "$build/bin" > "$scratch/log" 2>&1
expect "run.sh on the good build" 0 $?

# Size and time compares on two real builds of a few programs: -Os gives
# smaller text than -O0 in most of them.
sources=$(ls "$tools"/../int_args/single_integer_loops/*.cpp | head -4)
mkdir "$scratch/O0" "$scratch/Os"
for src in $sources; do
    name=$(basename "$src" .cpp)
    ${CXX:-g++} -std=c++20 -O0 -I"$tools/.." "$src" -o "$scratch/O0/$name" &&
    ${CXX:-g++} -std=c++20 -Os -I"$tools/.." "$src" -o "$scratch/Os/$name" || failed=1
done
python3 "$tools/corpus.py" compare --metric size "$scratch/O0" "$scratch/Os" > "$scratch/log" 2>&1
smaller=$(awk 'NF == 5 && $4 ~ /^-[0-9]/' "$scratch/log" | wc -l)
if grep -q '^all ' "$scratch/log" && [ "$smaller" -ge 3 ]; then
    echo "ok: size compare ($smaller of 4 smaller at -Os)"
else
    echo "FAIL: size compare:"; cat "$scratch/log"; failed=1
fi
names=$(cd "$scratch/O0" && ls | paste -sd'|')
python3 "$tools/corpus.py" --tests "$build" compare --metric time --repeat 1 --only "^($names)\$" -j 2 "$scratch/O0" "$scratch/Os" > "$scratch/log" 2>&1
if grep -q '^start-up: ' "$scratch/log" && grep -q 'programs measured' "$scratch/log"; then
    echo "ok: time compare"
else
    echo "FAIL: time compare:"; cat "$scratch/log"; failed=1
fi

# Under qemu-user the harness passes the invocation name with -0, so the
# cases that print it pass as they do without a runner.
# (Not for a sanitized build: the sanitizer runtime's shadow memory makes
# each run under qemu take minutes.)
if grep -q '^CORPUS_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    echo "skipped: the runner check under qemu-user, for a sanitized build"
elif command -v qemu-x86_64 > /dev/null; then
    CORPUS_RUN_UNDER="qemu-x86_64" ctest --test-dir "$build" -R '^(argv_zero_echo|arg_count_report)$' > "$scratch/log" 2>&1
    expect "tests under qemu-user keep the invocation name" 0 $?
else
    echo "skipped: no qemu-x86_64 (Debian package qemu-user) for the runner check"
fi

exit $failed
