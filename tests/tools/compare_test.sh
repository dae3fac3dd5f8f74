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

# Under qemu-user the harness passes the invocation name with -0, so the
# cases that print it pass as they do without a runner.
if command -v qemu-x86_64 > /dev/null; then
    CORPUS_RUN_UNDER="qemu-x86_64" ctest --test-dir "$build" -R '^(argv_zero_echo|arg_count_report)$' > "$scratch/log" 2>&1
    expect "tests under qemu-user keep the invocation name" 0 $?
else
    echo "skipped: no qemu-x86_64 (Debian package qemu-user) for the runner check"
fi

exit $failed
