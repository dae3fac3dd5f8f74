#!/usr/bin/env bash
# Checks reduce with a stand-in for a miscompiling compiler (miscompiling_cxx
# changes one string literal of two_function_outputs): the case it picks, the
# repro folder, the interestingness test on candidates that differ, agree or
# have undefined behaviour, the command it prints without cvise, and a run of
# cvise (with quick_passes.json, line passes only) that must give a source of
# at most half the inlined lines that still differs.
# A slow test (about two minutes on 2 cores): it runs when CORPUS_SLOW=1, as
# the release workflow sets it, and says it is skipped otherwise.
set -u
unset CORPUS_BIN CORPUS_RUN_UNDER CORPUS_TIME_SCALE CORPUS_SANITIZED
build=$1
here=$(cd "$(dirname "$0")" && pwd)
tools=$(cd "$here/../../tools" && pwd)
if [ "${CORPUS_SLOW:-}" != 1 ]; then
    echo "skipped: a slow test; run it with CORPUS_SLOW=1 (cmake --workflow --preset release does)"
    exit 77
fi
if ! command -v cvise > /dev/null; then
    echo "skipped: cvise is not installed (Debian package cvise)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
expect() {  # expect <what> <wanted status> <status>
    if [ "$2" != "$3" ]; then echo "FAIL: $1: status $3, wanted $2"; failed=1; else echo "ok: $1"; fi
}
has() {  # has <what> <file> <fixed text>
    if grep -qF -- "$3" "$2"; then echo "ok: $1"; else echo "FAIL: $1: no '$3' in:"; cat "$2"; failed=1; fi
}
out=$scratch/reduce
reduce() {
    python3 "$tools/corpus.py" --tests "$build" -j 2 reduce two_function_outputs --good 'g++ -O2' \
        --bad "$here/miscompiling_cxx -O2" -o "$out" "$@"
}

CVISE=/nonexistent/cvise reduce --run > "$scratch/log" 2>&1
expect "reduce --run without cvise" 0 $?
has "the first differing case, in plain terms" "$scratch/log" "case 1 of two_function_outputs: two_function_outputs '21'"
has "the command to run without cvise" "$scratch/log" "cd $out && cvise ./interesting.sh two_function_outputs.cpp"
inlined=$(wc -l < "$out/two_function_outputs.inlined.cpp")
if grep -q '#include "' "$out/two_function_outputs.cpp" || ! grep -q 'wrap_mul' "$out/two_function_outputs.cpp"; then
    echo "FAIL: the project headers are not inlined"; failed=1
else
    echo "ok: the project headers inlined ($inlined lines)"
fi

"$out/case/run.sh" "$out/good-bin" > "$scratch/log" 2>&1
expect "the case's run.sh on the good build" 0 $?
"$out/case/run.sh" "$out/bad-bin" > "$scratch/log" 2>&1
expect "the case's run.sh on the bad build" 1 $?
has "run.sh shows the differing line" "$scratch/log" "+The output of the 2nd function is 42"

(cd "$out" && ./interesting.sh) 2> "$scratch/log"
expect "interesting.sh on the inlined source" 0 $?
sed 's/second function is/other function is/' "$out/two_function_outputs.cpp" > "$scratch/agrees.cpp"
(cd "$out" && ./interesting.sh "$scratch/agrees.cpp") 2> "$scratch/log"
expect "interesting.sh on a source the two builds agree on" 1 $?
has "why it is not interesting" "$scratch/log" "not interesting: the good and bad builds agree"
sed 's/^\(int main(int argc, char\* argv\[\]) {\)$/\1 volatile int big = 2147483647; if (big + argc == 7) puts("");/' \
    "$out/two_function_outputs.cpp" > "$scratch/undefined.cpp"
grep -q 'volatile int big' "$scratch/undefined.cpp" || { echo "FAIL: no undefined candidate made"; failed=1; }
(cd "$out" && ./interesting.sh "$scratch/undefined.cpp") 2> "$scratch/log"
expect "interesting.sh on a candidate with a signed overflow" 1 $?
has "the sanitizer's verdict" "$scratch/log" "not interesting: the sanitized build reports undefined behaviour"

rm -rf "$out"
reduce --case 2 --run --cvise-flags "--pass-group-file $here/quick_passes.json" > "$scratch/log" 2>&1
expect "reduce --run with cvise" 0 $?
has "the case asked for" "$scratch/log" "case 2 of two_function_outputs:"
reduced=$(wc -l < "$out/two_function_outputs.cpp")
if [ "$reduced" -gt $((inlined / 2)) ]; then
    echo "FAIL: reduced to $reduced lines from $inlined"; cat "$scratch/log"; failed=1
else
    echo "ok: reduced to $reduced lines from $inlined"
fi
(cd "$out" && ./interesting.sh) 2> "$scratch/log"
expect "the reduced source still differs, clean under the sanitizers" 0 $?
exit $failed
