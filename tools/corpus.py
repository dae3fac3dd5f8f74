#!/usr/bin/env python3
"""Reports, compares and reproduces the behaviour of the suite's programs.

  corpus.py report  BUILD [-o report.json]   run every case against BUILD/bin
  corpus.py compare A B                      list the programs whose behaviour differs
  corpus.py compare --metric size A B        compare the programs' .text sizes
  corpus.py compare --metric time A B        compare the run times of the programs that run long enough
  corpus.py repro PROGRAM [--case N] [--bin DIR] -o DIR
                                             write a folder that reruns one case by itself (run.sh)
  corpus.py reduce PROGRAM --good 'CXX FLAGS...' --bad 'CXX FLAGS...' [--case N] -o DIR [--run]
                                             write the program as one source, the case on which the two
                                             builds differ and interesting.sh for cvise (--run runs it)
  corpus.py catalogue [-o catalogue.md]      list every program with its summary

BUILD (and A, B) is a build folder holding bin/, or a bin folder itself; A and
B may also be reports written by `report`. The cases come from the test
programs of a build with tests (--tests, default: build/ beside this folder),
which run the programs of BUILD through CORPUS_BIN, so the checker is not built
by the compiler under test; programs built for another machine run under its
qemu-user. Cases are shown in plain terms and numbered per program as repro
takes them. --only, -j and --tests go before or after the command. Python 3
standard library only.
"""
import argparse
import concurrent.futures
import functools
import hashlib
import json
import math
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ["echo", "file_input", "int_args", "float_args", "dispatch", "stdin_input", "string_args"]


def fail(message):
    print("corpus.py: " + message, file=sys.stderr)
    sys.exit(2)


def bin_folder(path):
    if os.path.isdir(os.path.join(path, "bin")):
        return os.path.abspath(os.path.join(path, "bin"))
    if os.path.isdir(path):
        return os.path.abspath(path)
    fail("no such build folder: " + path)


# ELF machine numbers of the targets the suite is built for: the qemu-user
# emulator that runs them here and the Debian folder of their libraries.
EMULATORS = {3: ("qemu-i386", "i686-linux-gnu"), 40: ("qemu-arm", "arm-linux-gnueabihf"),
             183: ("qemu-aarch64", "aarch64-linux-gnu"), 243: ("qemu-riscv64", "riscv64-linux-gnu"),
             22: ("qemu-s390x", "s390x-linux-gnu")}
HOST_MACHINES = {"x86_64": 62, "i686": 3, "i386": 3, "aarch64": 183, "armv7l": 40, "riscv64": 243, "s390x": 22}


def elf_machine(path):
    """The ELF machine number of an executable, or None."""
    try:
        with open(path, "rb") as f:
            head = f.read(20)
    except OSError:
        return None
    if len(head) < 20 or head[:4] != b"\x7fELF":
        return None
    return int.from_bytes(head[18:20], "big" if head[5] == 2 else "little")


@functools.lru_cache(maxsize=None)
def runner_for(bindir):
    """The command to put before the programs of bindir: CORPUS_RUN_UNDER when
    set, else qemu-user for programs built for another machine, else none."""
    given = os.environ.get("CORPUS_RUN_UNDER")
    if given:
        return given
    machine = None
    for name in sorted(os.listdir(bindir)):
        machine = elf_machine(os.path.join(bindir, name))
        if machine is not None:
            break
    if machine is None or machine == HOST_MACHINES.get(os.uname().machine):
        return ""
    if machine not in EMULATORS:
        fail("the programs of %s are for ELF machine %d, which no emulator here runs" % (bindir, machine))
    qemu, triple = EMULATORS[machine]
    return "%s -L /usr/%s" % (qemu, triple)


def ctest_entries(tests):
    """The CTest entries of the build with tests: name -> (command, labels)."""
    try:
        shown = subprocess.run(["ctest", "--test-dir", tests, "--show-only=json-v1"], capture_output=True,
                               check=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        fail("cannot list the tests of %s (build it with the release preset first): %s" % (tests, e))
    entries = {}
    for t in json.loads(shown).get("tests", []):
        labels = []
        for p in t.get("properties", []):
            if p.get("name") == "LABELS":
                labels = p.get("value", [])
        if t.get("command"):
            entries[t["name"]] = (t["command"], labels)
    if not entries:
        fail("the build %s has no tests: configure it with tests (the release preset)" % tests)
    return entries


def digest(value, length=64):
    return hashlib.sha256(json.dumps(value, sort_keys=True, ensure_ascii=True).encode()).hexdigest()[:length]


# A recorded byte string is a str of code points 0-255, or, past 1 MiB, an
# object with its first MiB ("head"), its size and a hash of all of it.
def head_of(value):
    return value if isinstance(value, str) else value["head"]


def size_of(value):
    return len(value) if isinstance(value, str) else value["size"]


def escaped(text):
    out = []
    for ch in text:
        c = ord(ch)
        if ch == "\n":
            out.append("\\n")
        elif ch == "\t":
            out.append("\\t")
        elif ch in "\\'":
            out.append("\\" + ch)
        elif c < 0x20 or c >= 0x7f:
            out.append("\\x%02x" % c)
        else:
            out.append(ch)
    return "".join(out)


def shown(value, limit=40):
    """Bytes as a case shows them: escaped, cut after `limit` bytes with the length shown."""
    text, size = head_of(value), size_of(value)
    if size <= limit:
        return "'" + escaped(text) + "'"
    return "'%s...' (%d bytes)" % (escaped(text[:limit]), size)


def plain_terms(program, case):
    """A recorded run in plain terms: the program and its arguments, the
    invocation name, standard input and the files and directories given."""
    argv = case.get("argv") or ["./" + program]
    words = [program] + [shown(a) for a in argv[1:]]
    if argv[0] != "./" + program:
        words.append(" [invoked as %s]" % shown(argv[0]))
    if size_of(case.get("input", "")):
        words.append(" [stdin %s]" % shown(case["input"]))
    for name, value in sorted((case.get("files_in") or {}).items()):
        words.append(" [file %s: %s]" % (name, shown(value)))
    for name in case.get("dirs") or []:
        words.append(" [directory %s]" % name)
    return " ".join(words)


def part_hashes(case):
    """Short hashes of what a run did, one per part, to tell two runs apart."""
    return {"out": digest(case.get("out"), 16), "err": digest(case.get("err"), 16),
            "status": "%s/%s/%s" % (case.get("status"), case.get("signal"), case.get("timed_out")),
            "files": digest(case.get("files"), 16)}


def text_size(path):
    """The size of the .text section of an ELF executable (None when unreadable)."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return None
    if data[:4] != b"\x7fELF":
        return None
    wide, order = data[4] == 2, "big" if data[5] == 2 else "little"
    num = lambda at, n: int.from_bytes(data[at:at + n], order)
    if wide:
        shoff, shentsize, shnum, shstrndx = num(0x28, 8), num(0x3A, 2), num(0x3C, 2), num(0x3E, 2)
    else:
        shoff, shentsize, shnum, shstrndx = num(0x20, 4), num(0x2E, 2), num(0x30, 2), num(0x32, 2)

    def section(i):
        at = shoff + i * shentsize
        if wide:
            return num(at, 4), num(at + 0x18, 8), num(at + 0x20, 8)  # name, offset, size
        return num(at, 4), num(at + 0x10, 4), num(at + 0x14, 4)

    if not shnum or shstrndx >= shnum:
        return None
    _, strings_at, _ = section(shstrndx)
    for i in range(shnum):
        name, _, size = section(i)
        end = data.find(b"\0", strings_at + name)
        if data[strings_at + name:end] == b".text":
            return size
    return None


def gtest_results(gtest_json):
    """passed, failing test names and their failure messages, from gtest's JSON output."""
    passed, failing, messages = 0, [], {}
    with open(gtest_json) as f:
        for suite in json.load(f).get("testsuites", []):
            for case in suite.get("testsuite", []):
                if case.get("result") == "SKIPPED" or case.get("status") == "NOTRUN":
                    continue
                name = suite["name"] + "." + case["name"]
                if case.get("failures"):
                    failing.append(name)
                    messages[name] = "\n".join(x.get("failure", "") for x in case["failures"])[:4000]
                else:
                    passed += 1
    return passed, failing, messages


def run_entry(name, command, bindir, record):
    """Runs a program's CTest entry against bindir, recording every run in
    record/; gives back the gtest results and the recorded runs."""
    os.makedirs(record, exist_ok=True)
    gtest_json = os.path.join(record, "gtest.json")
    runs = os.path.join(record, name + ".jsonl")
    for stale in (gtest_json, runs):
        if os.path.exists(stale):
            os.remove(stale)
    env = dict(os.environ, CORPUS_BIN=bindir, CORPUS_RECORD=record)
    runner = runner_for(bindir)
    if runner:
        env["CORPUS_RUN_UNDER"] = runner
    start = time.monotonic()
    proc = subprocess.run(command + ["--gtest_output=json:" + gtest_json], env=env, capture_output=True)
    seconds = time.monotonic() - start
    try:
        passed, failing, messages = gtest_results(gtest_json)
    except (OSError, ValueError):
        passed, failing, messages = 0, ["(the test program did not finish: status %d)" % proc.returncode], {}
    cases = []
    if os.path.exists(runs):
        with open(runs, encoding="utf-8") as f:
            cases = [json.loads(line) for line in f if line.strip()]
    return passed, failing, messages, cases, seconds


def run_program(name, command, labels, bindir, scratch, keep_runs=False):
    passed, failing, messages, cases, seconds = run_entry(name, command, bindir, os.path.join(scratch, name))
    program = os.path.join(bindir, name)
    varies = "nondeterministic" in labels
    folder = next((l for l in labels if l in FOLDERS), "")
    family = next((l for l in labels if l not in FOLDERS and l not in ("slow", "timing", "nondeterministic", "target")), "")
    # Per case: its number, test and plain terms, a hash of each part of what
    # it did, and for the first run of a failing test the failure message.
    kept, told = [], set()
    for i, c in enumerate(cases, 1):
        entry = {"n": i, "test": c.get("test", ""), "case": plain_terms(name, c),
                 "seconds": c.get("seconds")}
        if not varies:
            entry["h"] = part_hashes(c)
        if c.get("test") in messages and c.get("test") not in told:
            entry["failure"] = messages[c["test"]]
            told.add(c["test"])
        kept.append(entry)
    result = {
        "program": name, "folder": folder, "family": family, "labels": labels,
        "passed": passed, "failed": len(failing), "failing": failing, "seconds": round(seconds, 3),
        "size": os.path.getsize(program) if os.path.exists(program) else None,
        "text_size": text_size(program),
        "hash": None if varies else digest([k["h"] for k in kept]),
        "cases": kept,
    }
    if keep_runs and not varies:
        result["_runs"] = cases
    return result


def report(build, tests, jobs, only=None, quiet=False, keep_runs=False):
    bindir = bin_folder(build)
    entries = ctest_entries(tests)
    # Only programs: entries labelled with a program folder (not the tools' own test).
    names = sorted(n for n in entries if any(l in FOLDERS for l in entries[n][1]) and (not only or re.search(only, n)))
    results = {}
    with tempfile.TemporaryDirectory(prefix="corpus-report-") as scratch:
        with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
            futures = [pool.submit(run_program, n, entries[n][0], entries[n][1], bindir, scratch, keep_runs)
                       for n in names]
            for done, future in enumerate(concurrent.futures.as_completed(futures), 1):
                r = future.result()
                results[r["program"]] = r
                if quiet:
                    continue
                if sys.stderr.isatty():
                    print("\r[%d/%d] %-50s" % (done, len(names), r["program"]), end="", file=sys.stderr)
                elif done % 100 == 0 or done == len(names):
                    print("[%d/%d] programs run" % (done, len(names)), file=sys.stderr)
    if not quiet and sys.stderr.isatty():
        print(file=sys.stderr)
    return {"bin": bindir, "tests": os.path.abspath(tests), "programs": results}


def write_report(rep, path):
    """The report as JSON, without the whole runs kept for a compare."""
    slim = dict(rep, programs={n: {k: v for k, v in r.items() if k != "_runs"} for n, r in rep["programs"].items()})
    with open(path, "w") as f:
        json.dump(slim, f, sort_keys=True, separators=(",", ":"))


def summary(rep):
    rows = {}
    for r in rep["programs"].values():
        row = rows.setdefault(r["folder"] or "?", [0, 0, 0])
        row[0] += 1
        row[1] += r["failed"] == 0
        row[2] += r["failed"] != 0
    print("%-14s %9s %7s %7s" % ("folder", "programs", "pass", "fail"))
    for folder in sorted(rows):
        print("%-14s %9d %7d %7d" % (folder, *rows[folder]))
    total = [sum(v[i] for v in rows.values()) for i in range(3)]
    print("%-14s %9d %7d %7d" % ("all", *total))
    for r in sorted(rep["programs"].values(), key=lambda r: r["program"]):
        if r["failed"]:
            first = next((c for c in r["cases"] if c.get("failure")), None)
            if first:
                print("FAILED %s: case %d: %s\n%s" % (r["program"], first["n"], first["case"],
                                                      indent(first["failure"])))
            else:
                print("FAILED %s: %s" % (r["program"], ", ".join(r["failing"][:3])))


def indent(text, lines=12):
    kept = text.strip("\n").split("\n")
    more = len(kept) - lines
    kept = kept[:lines] + (["... (%d more lines)" % more] if more > 0 else [])
    return "\n".join("    " + line for line in kept)


def load(side, tests, jobs, only):
    if side.endswith(".json") and os.path.isfile(side):
        with open(side) as f:
            rep = json.load(f)
        if only:
            rep["programs"] = {n: r for n, r in rep["programs"].items() if re.search(only, n)}
        return rep
    return report(side, tests, jobs, only, keep_runs=True)


def bytes_at(value, at, before=16, after=48):
    text = head_of(value)
    lo = max(0, at - before)
    piece = text[lo:at + after]
    return "'%s'%s" % (escaped(piece), "..." if at + after < len(text) else "")


def differing_bytes(what, x, y):
    """The first differing byte of two recorded byte strings, with both sides from a little before it."""
    hx, hy = head_of(x), head_of(y)
    at = next((k for k in range(min(len(hx), len(hy))) if hx[k] != hy[k]), min(len(hx), len(hy)))
    if hx == hy:  # both past 1 MiB, the same first MiB
        return "%s: the first MiB agrees; %d bytes against %d" % (what, size_of(x), size_of(y))
    return "%s differs at byte %d (%d bytes against %d):\n      %s\n  against %s" % (
        what, at, size_of(x), size_of(y), bytes_at(x, at), bytes_at(y, at))


def run_difference(x, y):
    """What first differs between two recorded runs, in plain terms."""
    for key in ("out", "err"):
        if x.get(key) != y.get(key):
            return differing_bytes({"out": "stdout", "err": "stderr"}[key], x.get(key, ""), y.get(key, ""))
    for key in ("status", "signal", "timed_out"):
        if x.get(key) != y.get(key):
            return "%s is %s against %s" % (key.replace("_", " "), json.dumps(x.get(key)), json.dumps(y.get(key)))
    fx, fy = x.get("files") or {}, y.get("files") or {}
    for name in sorted(set(fx) | set(fy)):
        if name not in fx or name not in fy:
            return "file %s is left on one side only" % name
        if fx[name] != fy[name]:
            return differing_bytes("file " + name, fx[name], fy[name])
    return "the runs differ in what they were given"


def first_difference(a, b):
    """The first case on which two reports of one program differ, in plain terms."""
    ca, cb = a["cases"], b["cases"]
    for i in range(max(len(ca), len(cb))):
        if i >= len(ca) or i >= len(cb):
            return "case %d is run by one side only" % (i + 1)
        x, y = ca[i], cb[i]
        if x.get("h") == y.get("h") and x.get("case") == y.get("case"):
            continue
        where = "case %d (%s): %s\n    " % (i + 1, x.get("test", "?"), x.get("case"))
        ra, rb = a.get("_runs"), b.get("_runs")
        if ra and rb and i < len(ra) and i < len(rb):
            return where + run_difference(ra[i], rb[i])
        parts = [k for k in ("out", "err", "status", "files") if (x.get("h") or {}).get(k) != (y.get("h") or {}).get(k)]
        for side in (x, y):
            if side.get("failure"):
                return where + "differs in %s; one side fails:\n%s" % (", ".join(parts), indent(side["failure"]))
        return where + "differs in %s (compare the builds themselves, or repro, for the bytes)" % ", ".join(parts)
    return "the same cases, another hash"


def compare(a, b):
    differ = []
    for name in sorted(set(a["programs"]) | set(b["programs"])):
        x, y = a["programs"].get(name), b["programs"].get(name)
        if x is None or y is None:
            differ.append((name, "present in one side only"))
        elif (x["failed"] == 0) != (y["failed"] == 0):
            failing = x if x["failed"] else y
            first = next((c for c in failing["cases"] if c.get("failure")), None)
            side = "the first" if failing is x else "the second"
            if first:
                differ.append((name, "fails on %s side only: case %d (%s): %s\n%s" % (
                    side, first["n"], first["test"], first["case"], indent(first["failure"]))))
            else:
                differ.append((name, "fails on %s side only: %s" % (side, failing["failing"][:3])))
        elif x["hash"] is not None and y["hash"] is not None and x["hash"] != y["hash"]:
            differ.append((name, first_difference(x, y)))
    return differ


def latin1(value):
    return head_of(value).encode("latin-1")


def quoted(text):
    """A bash word for the bytes of `text` (code points 0-255)."""
    return "$'" + "".join("\\x%02x" % ord(ch) if (ord(ch) < 0x20 or ord(ch) >= 0x7f or ch in "'\\") else ch
                          for ch in text) + "'"


RUN_SH = r"""#!/usr/bin/env bash
# Reruns one case of a program of the suite in a fresh scratch folder and
# compares every byte with what the case expects:
#   run.sh [BIN_DIR]    (default: the folder the case was taken from)
# Under CORPUS_RUN_UNDER (qemu-user, valgrind) the program runs under it.
# Prints a diff and exits 0 when every byte matches, 1 when not.
# The case: @CASE@
set -u
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-@BIN@}" && pwd) || exit 2
program=@PROGRAM@
argv0=@ARGV0@
args=(@ARGS@)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/run" "$scratch/got"
cp -a "$here/files/." "$scratch/run/"
cd "$scratch/run"
runner=(${CORPUS_RUN_UNDER:-})
if [ ${#runner[@]} -eq 0 ]; then
    timeout -s KILL 60 bash -c 'exec -a "$0" "$@"' "$argv0" "$bin/$program" "${args[@]}" \
        < "$here/stdin" > "$scratch/got/stdout" 2> "$scratch/got/stderr"
elif [[ "$(basename "${runner[0]}")" == qemu-* ]]; then
    timeout -s KILL 600 "${runner[@]}" -0 "$argv0" "$bin/$program" "${args[@]}" \
        < "$here/stdin" > "$scratch/got/stdout" 2> "$scratch/got/stderr"
else
    timeout -s KILL 600 "${runner[@]}" "$bin/$program" "${args[@]}" \
        < "$here/stdin" > "$scratch/got/stdout" 2> "$scratch/got/stderr"
fi
status=$?
echo "$status" > "$scratch/got/status"
same=0
for part in stdout stderr status; do
    if ! cmp -s "$here/expected/$part" "$scratch/got/$part"; then
        echo "$part differs:"
        diff -u --text --label "expected $part" --label "got $part" "$here/expected/$part" "$scratch/got/$part"
        same=1
    fi
done
expected_files=$(cd "$here/expected/files" && find . -type f | sort)
got_files=$(find . -type f | sort)
if [ "$expected_files" != "$got_files" ]; then
    echo "the files left differ:"
    diff -u --label expected --label got <(echo "$expected_files") <(echo "$got_files")
    same=1
fi
while read -r f; do
    [ -n "$f" ] && [ -f "$f" ] || continue
    if ! cmp -s "$here/expected/files/$f" "$f"; then
        echo "file ${f#./} differs:"
        diff -u --text --label "expected ${f#./}" --label "got ${f#./}" "$here/expected/files/$f" "$f"
        same=1
    fi
done <<< "$expected_files"
[ $same -eq 0 ] && echo "every byte matches"
exit $same
"""


def repro(program, case_number, bindir, tests, out_dir):
    entries = ctest_entries(tests)
    if program not in entries:
        fail("no program %s in the tests of %s" % (program, tests))
    command = entries[program][0]
    reference = bin_folder(tests)
    with tempfile.TemporaryDirectory(prefix="corpus-repro-") as scratch:
        _, failing, _, runs, _ = run_entry(program, command, bindir, os.path.join(scratch, "bin"))
        ref_runs = runs
        if os.path.realpath(bindir) != os.path.realpath(reference):
            _, _, _, ref_runs, _ = run_entry(program, command, reference, os.path.join(scratch, "ref"))
    if not runs:
        fail("%s ran no case" % program)
    if case_number is None:
        failing = set(failing)
        case_number = next((i for i, r in enumerate(runs, 1) if r.get("test") in failing), None)
        if case_number is None:
            case_number = next((i for i, (r, q) in enumerate(zip(runs, ref_runs), 1)
                                if part_hashes(r) != part_hashes(q)), None)
        if case_number is None:
            fail("no case of %s fails or differs from %s: name one with --case N" % (program, reference))
    return write_case(program, case_number, runs, ref_runs, bindir, out_dir)


def write_case(program, case_number, runs, ref_runs, bindir, out_dir):
    """Writes the repro folder of case `case_number` of `runs` (recorded
    against bindir); a free-form test's case expects what ref_runs did."""
    if not 1 <= case_number <= len(runs):
        fail("%s has cases 1 to %d" % (program, len(runs)))
    run = runs[case_number - 1]
    expect = run.get("expect")
    if expect is None:  # a free-form test: what the reference build did on the same case
        ref = ref_runs[case_number - 1] if case_number <= len(ref_runs) else run
        expect = {k: ref.get(k) for k in ("out", "err", "status", "files", "signal")}
    os.makedirs(os.path.join(out_dir, "files"), exist_ok=True)
    os.makedirs(os.path.join(out_dir, "expected", "files"), exist_ok=True)
    for name, value in (run.get("files_in") or {}).items():
        path = os.path.join(out_dir, "files", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(latin1(value))
    for name in run.get("dirs") or []:
        os.makedirs(os.path.join(out_dir, "files", name), exist_ok=True)
    with open(os.path.join(out_dir, "stdin"), "wb") as f:
        f.write(latin1(run.get("input", "")))
    with open(os.path.join(out_dir, "expected", "stdout"), "wb") as f:
        f.write(latin1(expect.get("out", "")))
    with open(os.path.join(out_dir, "expected", "stderr"), "wb") as f:
        f.write(latin1(expect.get("err", "")))
    status = expect.get("status", 0)
    if expect.get("signal"):
        status = 128 + expect["signal"]
    with open(os.path.join(out_dir, "expected", "status"), "w") as f:
        f.write("%d\n" % status)
    for name, value in (expect.get("files") or {}).items():
        path = os.path.join(out_dir, "expected", "files", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(latin1(value))
    terms = plain_terms(program, run)
    argv = run.get("argv") or ["./" + program]
    script = (RUN_SH.replace("@CASE@", "case %d of %s (%s): %s" % (case_number, program, run.get("test"),
                                                                    terms.replace("\n", " ")))
              .replace("@BIN@", bindir).replace("@PROGRAM@", quoted(program)).replace("@ARGV0@", quoted(argv[0]))
              .replace("@ARGS@", " ".join(quoted(a) for a in argv[1:])))
    path = os.path.join(out_dir, "run.sh")
    with open(path, "w") as f:
        f.write(script)
    os.chmod(path, 0o755)
    with open(os.path.join(out_dir, "case.txt"), "w") as f:
        f.write("case %d of %s (%s)\n%s\n" % (case_number, program, run.get("test"), terms))
    return case_number, terms, run


INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def inlined_source(path, seen=None):
    """A source with the project's own headers ("common/...") put in place of
    their includes, each once; system headers stay includes."""
    seen = set() if seen is None else seen
    out = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = INCLUDE.match(line)
            if not m:
                if not re.match(r"^\s*#\s*pragma\s+once\b", line):
                    out.append(line)
                continue
            header = next((h for h in (os.path.join(ROOT, m.group(1)), os.path.join(os.path.dirname(path), m.group(1)))
                           if os.path.isfile(h)), None)
            if header is None:
                fail("%s includes %s, which is not in the project" % (path, m.group(1)))
            header = os.path.realpath(header)
            if header in seen:
                continue
            seen.add(header)
            out.append("// ---- %s ----\n" % m.group(1))
            out.append(inlined_source(header, seen))
            out.append("// ---- end of %s ----\n" % m.group(1))
    return "".join(out)


# The language and the floating-point contraction the suite's programs are
# built with; flags given to reduce come after them and may change them.
PROJECT_FLAGS = ["-std=c++20", "-ffp-contract=off"]


def compile_command(command):
    """A compile command given as 'CXX FLAGS...' as a list, the compiler made
    absolute when it is a path, with the project's flags before the given ones."""
    words = shlex.split(command)
    if not words:
        fail("an empty compile command")
    if "/" in words[0]:
        words[0] = os.path.abspath(words[0])
    return words[:1] + PROJECT_FLAGS + words[1:]


INTERESTING_SH = r"""#!/usr/bin/env bash
# Interestingness test for C-Vise: holds (exit 0) when the candidate source
#  - compiles with the good and with the bad command,
#  - built by the good command with -fsanitize=address,undefined, runs the
#    case without a sanitizer report and gives what the good build gives (so
#    the reduction cannot wander into undefined behaviour),
#  - and the good and bad builds still differ on the case (stdout, stderr,
#    status or the files left).
#   cd @DIR@ && cvise ./interesting.sh @SOURCE@
# or ./interesting.sh [SOURCE] to check a candidate by hand; why a candidate
# is not interesting goes to standard error.
# The case: @CASE@
set -u
case_dir=@CASE_DIR@
source_file=${1:-@SOURCE@}
source_file=$(realpath "$source_file")
good=(@GOOD@)
bad=(@BAD@)
argv0=@ARGV0@
args=(@ARGS@)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
no() { echo "not interesting: $*" >&2; exit 1; }
"${good[@]}" "$source_file" -o "$work/good" > "$work/good.log" 2>&1 &
good_job=$!
"${bad[@]}" "$source_file" -o "$work/bad" > "$work/bad.log" 2>&1 &
bad_job=$!
"${good[@]}" -Werror=return-type -Werror=uninitialized -fsanitize=address,undefined -fno-sanitize-recover=all \
    "$source_file" -o "$work/sanitized" > "$work/sanitized.log" 2>&1
sanitized_built=$?
wait "$good_job" || no "the good command does not compile it"
wait "$bad_job" || no "the bad command does not compile it"
[ "$sanitized_built" -eq 0 ] || no "the sanitized build does not compile (or warns of a missing return or an uninitialized value)"
# Runs build $1 on the case in a scratch folder of its own: $work/$1.run holds
# the files left, $work/$1.{stdout,stderr,status} the rest.
run() {
    mkdir "$work/$1.run"
    cp -a "$case_dir/files/." "$work/$1.run/"
    (cd "$work/$1.run" && ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:exitcode=86 UBSAN_OPTIONS=halt_on_error=1:exitcode=86 \
        timeout -s KILL 10 bash -c 'exec -a "$0" "$@"' "$argv0" "$work/$1" "${args[@]}" \
        < "$case_dir/stdin" > "$work/$1.stdout" 2> "$work/$1.stderr")
    echo $? > "$work/$1.status"
}
run sanitized
run good
run bad
grep -q -e "runtime error:" -e "ERROR: AddressSanitizer" -e "ERROR: LeakSanitizer" "$work/sanitized.stderr" &&
    no "the sanitized build reports undefined behaviour"
[ "$(cat "$work/sanitized.status")" != 86 ] || no "the sanitized build reports an error"
[ "$(cat "$work/good.status")" != 137 ] || no "the good build does not finish in 10 s"
same() { cmp -s "$work/$1.stdout" "$work/$2.stdout" && cmp -s "$work/$1.stderr" "$work/$2.stderr" &&
         cmp -s "$work/$1.status" "$work/$2.status" && diff -r -q "$work/$1.run" "$work/$2.run" > /dev/null; }
same good sanitized || no "the sanitized build does not do what the good build does"
same good bad && no "the good and bad builds agree"
exit 0
"""


def line_count(path):
    with open(path, "rb") as f:
        return f.read().count(b"\n")


def reduce(program, good, bad, case_number, tests, out_dir, run_cvise, cvise_flags, jobs):
    source = program_source(program)
    if source is None:
        fail("no program %s in the sources" % program)
    entries = ctest_entries(tests)
    if program not in entries:
        fail("no program %s in the tests of %s" % (program, tests))
    given = os.path.join(out_dir, program + ".cpp")  # as the messages show it
    out_dir = os.path.abspath(out_dir)
    os.makedirs(out_dir, exist_ok=True)
    reduced = os.path.join(out_dir, program + ".cpp")
    with open(reduced, "w") as f:
        f.write(inlined_source(source))
    inlined = os.path.join(out_dir, program + ".inlined.cpp")
    shutil.copyfile(reduced, inlined)
    good_cmd, bad_cmd = compile_command(good), compile_command(bad)
    bins = {}
    for side, command in (("good", good_cmd), ("bad", bad_cmd)):
        bindir = os.path.join(out_dir, side + "-bin")
        os.makedirs(bindir, exist_ok=True)
        built = subprocess.run(command + [reduced, "-o", os.path.join(bindir, program)], capture_output=True, text=True)
        if built.returncode != 0:
            fail("the %s command does not compile %s:\n%s" % (side, program, indent(built.stderr)))
        bins[side] = bindir
    with tempfile.TemporaryDirectory(prefix="corpus-reduce-") as scratch:
        runs = {side: run_entry(program, entries[program][0], bindir, os.path.join(scratch, side))[3]
                for side, bindir in bins.items()}
    if case_number is None:
        case_number = next((i for i, (x, y) in enumerate(zip(runs["good"], runs["bad"]), 1)
                            if part_hashes(x) != part_hashes(y)), None)
        if case_number is None:
            fail("the two builds of %s agree on all its %d cases" % (program, len(runs["good"])))
    case_dir = os.path.join(out_dir, "case")
    n, terms, run = write_case(program, case_number, runs["bad"], runs["good"], bins["bad"], case_dir)
    argv = run.get("argv") or ["./" + program]
    script = (INTERESTING_SH.replace("@DIR@", out_dir).replace("@SOURCE@", program + ".cpp")
              .replace("@CASE@", "case %d of %s: %s" % (n, program, terms.replace("\n", " ")))
              .replace("@CASE_DIR@", quoted(case_dir))
              .replace("@GOOD@", " ".join(quoted(w) for w in good_cmd))
              .replace("@BAD@", " ".join(quoted(w) for w in bad_cmd))
              .replace("@ARGV0@", quoted(argv[0])).replace("@ARGS@", " ".join(quoted(a) for a in argv[1:])))
    test = os.path.join(out_dir, "interesting.sh")
    with open(test, "w") as f:
        f.write(script)
    os.chmod(test, 0o755)
    checked = subprocess.run([test], cwd=out_dir, capture_output=True, text=True)
    if checked.returncode != 0:
        fail("case %d of %s is not a difference to reduce: %s" % (n, program, checked.stderr.strip()))
    print("case %d of %s: %s" % (n, program, terms))
    print("%s: %d lines, the program with its project headers inlined (kept as %s)"
          % (given, line_count(reduced), os.path.basename(inlined)))
    command = ["cvise"] + cvise_flags + ["./interesting.sh", program + ".cpp"]
    cvise = shutil.which(os.environ.get("CVISE", "cvise"))
    if not run_cvise or cvise is None:
        if run_cvise:
            print("cvise is not installed (Debian package cvise); reduce with:")
        else:
            print("reduce with:")
        print("    cd %s && %s" % (shlex.quote(out_dir), " ".join(shlex.quote(w) for w in command)))
        return 0
    done = subprocess.run([cvise, "--n", str(max(1, jobs))] + command[1:], cwd=out_dir,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if done.returncode != 0:
        fail("cvise failed:\n" + indent(done.stderr))
    checked = subprocess.run([test], cwd=out_dir, capture_output=True, text=True)
    if checked.returncode != 0:
        fail("the reduced source no longer differs: " + checked.stderr.strip())
    print("reduced to %d lines (%d bytes) from %d lines (%d bytes): %s" % (
        line_count(reduced), os.path.getsize(reduced), line_count(inlined), os.path.getsize(inlined), given))
    return 0


def metric_table(a, b, key, label, unit, qualifies=None):
    """Per program the metric of both sides, the change and its percent, sorted
    by the largest change, with totals and geometric means by folder."""
    rows = []
    for name in sorted(set(a["programs"]) & set(b["programs"])):
        x, y = a["programs"][name], b["programs"][name]
        vx, vy = key(x), key(y)
        if vx is None or vy is None or (qualifies and not qualifies(x, y)):
            continue
        rows.append((name, x["folder"], vx, vy))
    rows.sort(key=lambda r: (-abs(r[3] - r[2]), r[0]))
    fmt = "%-40s %14s %14s %12s %8s"
    print(fmt % ("program", "A " + label, "B " + label, "change", "%"))
    for name, _, vx, vy in rows:
        print(fmt % (name, unit(vx), unit(vy), unit(vy - vx, True), "%+.1f" % (100.0 * (vy - vx) / vx) if vx else "-"))
    print()
    print("%-14s %9s %14s %14s %12s %10s" % ("folder", "programs", "A total", "B total", "change", "geo mean"))
    groups = {}
    for name, folder, vx, vy in rows:
        groups.setdefault(folder or "?", []).append((vx, vy))
    groups_all = [r for g in groups.values() for r in g]
    for folder, items in sorted(groups.items()) + [("all", groups_all)]:
        tx, ty = sum(v[0] for v in items), sum(v[1] for v in items)
        ratios = [vy / vx for vx, vy in items if vx > 0 and vy > 0]
        geo = math.exp(sum(math.log(r) for r in ratios) / len(ratios)) if ratios else float("nan")
        print("%-14s %9d %14s %14s %12s %+9.1f%%" % (folder, len(items), unit(tx), unit(ty), unit(ty - tx, True),
                                                   100.0 * (geo - 1)))
    return rows


def timed(build, tests, jobs, only, repeat):
    """A report whose run times are the minimum over `repeat` runs, per case."""
    best = None
    for _ in range(repeat):
        rep = report(build, tests, jobs, only, quiet=True)
        if best is None:
            best = rep
            continue
        for name, r in rep["programs"].items():
            b = best["programs"].get(name)
            if b:
                for cb, cr in zip(b["cases"], r["cases"]):
                    if cr.get("seconds") is not None and (cb.get("seconds") is None or cr["seconds"] < cb["seconds"]):
                        cb["seconds"] = cr["seconds"]
    return best


def case_seconds(r):
    times = [c.get("seconds") for c in r["cases"]]
    return None if not times or None in times else sum(times)


@functools.lru_cache(maxsize=None)
def program_sources():
    """Program name -> (its folder, the path of its source)."""
    sources = {}
    for folder in FOLDERS:
        base = os.path.join(ROOT, folder)
        for family in os.listdir(base) if os.path.isdir(base) else []:
            for source in os.listdir(os.path.join(base, family)):
                if source.endswith(".cpp"):
                    sources[source[:-4]] = (folder, os.path.join(base, family, source))
    return sources


def folder_of(name):
    return program_sources().get(name, ("", None))[0]


def program_source(name):
    return program_sources().get(name, ("", None))[1]


def opening_comment(path):
    lines = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            if not line.startswith("//"):
                break
            lines.append(line[2:].strip())
    text = " ".join(l for l in lines if l)
    first = re.split(r"(?<=[.:;])\s", text, maxsplit=1)[0]
    return first


def catalogue(tests):
    counts = {}
    for family_test in (os.path.join(tests, "tests", f) for f in os.listdir(os.path.join(tests, "tests"))
                        if f.startswith("test_")) if os.path.isdir(os.path.join(tests, "tests")) else []:
        if not os.access(family_test, os.X_OK):
            continue
        listed = subprocess.run([family_test, "--list-programs"], capture_output=True, text=True).stdout
        for line in listed.splitlines():
            name, _, n = line.partition(" ")
            counts[name] = int(n or 0)
    rows = []
    for folder in FOLDERS:
        base = os.path.join(ROOT, folder)
        for family in sorted(os.listdir(base)) if os.path.isdir(base) else []:
            for source in sorted(os.listdir(os.path.join(base, family))):
                if source.endswith(".cpp"):
                    name = source[:-4]
                    rows.append((name, folder, family, opening_comment(os.path.join(base, family, source)),
                                 counts.get(name)))
    out = ["# The programs of the suite", "", "%d programs. Generated by `tools/corpus.py catalogue`." % len(rows), "",
           "| program | folder | family | what it does | cases |", "|---|---|---|---|---|"]
    for name, folder, family, text, n in rows:
        out.append("| `%s` | %s | %s | %s | %s |" % (name, folder, family, text.replace("|", "\\|"),
                                                    "?" if n is None else n))
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tests", default=os.path.join(ROOT, "build"), help="a build with tests (default: build/)")
    parser.add_argument("-j", "--jobs", type=int, default=int(os.environ.get("CTEST_PARALLEL_LEVEL") or
                                                              os.cpu_count() or 1))
    parser.add_argument("--only", help="programs whose names match this regular expression")
    # The same options after the command, where they override those before it.
    shared = argparse.ArgumentParser(add_help=False)
    shared.add_argument("--tests", default=argparse.SUPPRESS, help="a build with tests (default: build/)")
    shared.add_argument("-j", "--jobs", type=int, default=argparse.SUPPRESS)
    shared.add_argument("--only", default=argparse.SUPPRESS, help="programs whose names match this regular expression")
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("report", parents=[shared], help="run every case against a build and write a JSON report")
    p.add_argument("build")
    p.add_argument("-o", "--output", default="report.json")
    p = sub.add_parser("compare", parents=[shared], help="list the programs whose behaviour differs between two builds or reports")
    p.add_argument("a")
    p.add_argument("b")
    p.add_argument("--metric", choices=["size", "time"],
                   help="compare text-segment sizes or run times instead of behaviour")
    p.add_argument("--repeat", type=int, default=3, help="runs per side for --metric time (the minimum counts)")
    p = sub.add_parser("repro", parents=[shared], help="write a self-contained folder that reruns one case")
    p.add_argument("program")
    p.add_argument("--case", type=int, help="the case number the reports show (default: the first failing or "
                                            "differing one)")
    p.add_argument("--bin", help="the programs to take the case from (default: the bin folder of --tests)")
    p.add_argument("-o", "--output", required=True, help="the folder to write")
    p = sub.add_parser("reduce", parents=[shared], help="write the program as one source, a differing case and "
                                                       "an interestingness test for cvise")
    p.add_argument("program")
    p.add_argument("--good", required=True, metavar="'CXX FLAGS...'", help="the compile command that builds it right")
    p.add_argument("--bad", required=True, metavar="'CXX FLAGS...'", help="the compile command whose build differs")
    p.add_argument("--case", type=int, help="the case number the reports show (default: the first case on which "
                                            "the two builds differ)")
    p.add_argument("-o", "--output", required=True, help="the folder to write")
    p.add_argument("--run", action="store_true", help="run cvise on it (when installed)")
    p.add_argument("--cvise-flags", default="", metavar="'FLAGS...'", help="more options for cvise")
    p = sub.add_parser("catalogue", parents=[shared], help="list every program with its folder, family, summary and cases")
    p.add_argument("-o", "--output")
    args = parser.parse_args()

    if args.command == "report":
        rep = report(args.build, args.tests, args.jobs, args.only)
        write_report(rep, args.output)
        summary(rep)
        print("report written to " + args.output)
        return 1 if any(r["failed"] for r in rep["programs"].values()) else 0
    if args.command == "compare" and args.metric == "size":
        a = {"programs": {}}
        b = {"programs": {}}
        for side, rep in ((args.a, a), (args.b, b)):
            if side.endswith(".json") and os.path.isfile(side):
                rep.update(load(side, args.tests, args.jobs, args.only))
                continue
            bindir = bin_folder(side)
            for name in sorted(os.listdir(bindir)):
                if args.only and not re.search(args.only, name):
                    continue
                rep["programs"][name] = {"folder": folder_of(name), "text_size": text_size(os.path.join(bindir, name))}
        metric_table(a, b, lambda r: r.get("text_size"), "text", lambda v, sign=False: ("%+d" if sign else "%d") % v)
        return 0
    if args.command == "compare" and args.metric == "time":
        a = timed(args.a, args.tests, args.jobs, args.only, args.repeat)
        b = timed(args.b, args.tests, args.jobs, args.only, args.repeat)
        # Start-up: the median time of one case over both builds. A program is
        # measured when its cases take at least twice their start-up and 20 ms
        # more on both sides.
        per_case = sorted(c["seconds"] for rep in (a, b) for r in rep["programs"].values() for c in r["cases"]
                          if c.get("seconds") is not None)
        startup = per_case[len(per_case) // 2] if per_case else 0.0

        def long_enough(x, y):
            return all(case_seconds(r) is not None and case_seconds(r) >= max(2 * startup * len(r["cases"]),
                                                                              startup * len(r["cases"]) + 0.02)
                       for r in (x, y))
        print("start-up: %.2f ms a case (the median); programs measured: those whose cases take at least twice "
              "that and 20 ms more, the minimum of %d runs" % (1000 * startup, args.repeat))
        rows = metric_table(a, b, case_seconds, "seconds", lambda v, sign=False: ("%+.4f" if sign else "%.4f") % v,
                            long_enough)
        print("%d programs measured: %s" % (len(rows), " ".join(sorted(r[0] for r in rows))))
        return 0
    if args.command == "repro":
        bindir = bin_folder(args.bin) if args.bin else bin_folder(args.tests)
        n, terms, _ = repro(args.program, args.case, bindir, args.tests, args.output)
        print("case %d of %s: %s" % (n, args.program, terms))
        print("written to %s; run %s/run.sh [BIN_DIR]" % (args.output, args.output))
        return 0
    if args.command == "reduce":
        return reduce(args.program, args.good, args.bad, args.case, args.tests, args.output, args.run,
                      shlex.split(args.cvise_flags), args.jobs)
    if args.command == "compare":
        a = load(args.a, args.tests, args.jobs, args.only)
        b = load(args.b, args.tests, args.jobs, args.only)
        differ = compare(a, b)
        for name, why in differ:
            print("DIFFERS %s: %s" % (name, why))
        n = len(set(a["programs"]) | set(b["programs"]))
        print("%d of %d programs differ between %s and %s" % (len(differ), n, args.a, args.b))
        return 1 if differ else 0
    text = catalogue(args.tests)
    if args.output:
        with open(args.output, "w") as f:
            f.write(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
