#!/usr/bin/env python3
"""Reports, compares and lists the suite's programs.

  corpus.py report  BUILD [-o report.json]   run every case against BUILD/bin
  corpus.py compare A B                      list the programs whose behaviour differs
  corpus.py catalogue [-o catalogue.md]      list every program with its summary

BUILD (and A, B) is a build folder holding bin/, or a bin folder itself; A and
B may also be reports written by `report`. The cases come from the test
programs of a build with tests (--tests, default: build/ beside this folder),
which run the programs of BUILD through CORPUS_BIN, so the checker is not built
by the compiler under test. Python 3 standard library only.
"""
import argparse
import concurrent.futures
import functools
import hashlib
import json
import os
import re
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


def digest(value):
    return hashlib.sha256(json.dumps(value, sort_keys=True, ensure_ascii=True).encode()).hexdigest()


def run_program(name, command, labels, bindir, scratch):
    record = os.path.join(scratch, name)
    os.makedirs(record)
    gtest_json = os.path.join(record, "gtest.json")
    env = dict(os.environ, CORPUS_BIN=bindir, CORPUS_RECORD=record)
    runner = runner_for(bindir)
    if runner:
        env["CORPUS_RUN_UNDER"] = runner
    start = time.monotonic()
    proc = subprocess.run(command + ["--gtest_output=json:" + gtest_json], env=env, capture_output=True)
    seconds = time.monotonic() - start
    passed, failing = 0, []
    try:
        with open(gtest_json) as f:
            for suite in json.load(f).get("testsuites", []):
                for case in suite.get("testsuite", []):
                    if case.get("result") == "SKIPPED" or case.get("status") == "NOTRUN":
                        continue
                    if case.get("failures"):
                        failing.append(suite["name"] + "." + case["name"])
                    else:
                        passed += 1
    except (OSError, ValueError):
        failing.append("(the test program did not finish: status %d)" % proc.returncode)
    cases = []
    runs = os.path.join(record, name + ".jsonl")
    if os.path.exists(runs):
        with open(runs, encoding="utf-8") as f:
            cases = [json.loads(line) for line in f if line.strip()]
    program = os.path.join(bindir, name)
    varies = "nondeterministic" in labels
    folder = next((l for l in labels if l in FOLDERS), "")
    family = next((l for l in labels if l not in FOLDERS and l not in ("slow", "timing", "nondeterministic", "target")), "")
    return {
        "program": name, "folder": folder, "family": family, "labels": labels,
        "passed": passed, "failed": len(failing), "failing": failing, "seconds": round(seconds, 3),
        "size": os.path.getsize(program) if os.path.exists(program) else None,
        "hash": None if varies else digest(cases),
        "cases": [] if varies else cases,
    }


def report(build, tests, jobs, only=None, quiet=False):
    bindir = bin_folder(build)
    entries = ctest_entries(tests)
    # Only programs: entries labelled with a program folder (not the tools' own test).
    names = sorted(n for n in entries if any(l in FOLDERS for l in entries[n][1]) and (not only or re.search(only, n)))
    results = {}
    with tempfile.TemporaryDirectory(prefix="corpus-report-") as scratch:
        with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
            futures = [pool.submit(run_program, n, entries[n][0], entries[n][1], bindir, scratch) for n in names]
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
            print("FAILED %s: %s" % (r["program"], ", ".join(r["failing"][:3])))


def load(side, tests, jobs, only):
    if side.endswith(".json") and os.path.isfile(side):
        with open(side) as f:
            return json.load(f)
    return report(side, tests, jobs, only)


def show(value):
    text = json.dumps(value, ensure_ascii=True)
    return text if len(text) <= 120 else text[:117] + "..."


def first_difference(a_cases, b_cases):
    for i in range(max(len(a_cases), len(b_cases))):
        if i >= len(a_cases) or i >= len(b_cases):
            return "case %d is run by one side only" % (i + 1)
        a, b = a_cases[i], b_cases[i]
        if a == b:
            continue
        where = "case %d (%s, argv %s)" % (i + 1, a.get("test", "?"), show(a.get("argv")))
        for key in ("out", "err", "status", "signal", "timed_out", "files", "argv", "input"):
            x, y = a.get(key), b.get(key)
            if x == y:
                continue
            if isinstance(x, str) and isinstance(y, str):
                at = next((k for k in range(min(len(x), len(y))) if x[k] != y[k]), min(len(x), len(y)))
                lo = max(0, at - 16)
                return "%s: %s differs at byte %d: %s against %s" % (where, key, at, show(x[lo:at + 48]),
                                                                     show(y[lo:at + 48]))
            return "%s: %s is %s against %s" % (where, key, show(x), show(y))
    return "the same cases, another hash"


def compare(a, b):
    differ = []
    for name in sorted(set(a["programs"]) | set(b["programs"])):
        x, y = a["programs"].get(name), b["programs"].get(name)
        if x is None or y is None:
            differ.append((name, "present in one side only"))
        elif (x["failed"] == 0) != (y["failed"] == 0):
            differ.append((name, "passes on one side only: failing %s" % (x["failing"] or y["failing"])[:3]))
        elif x["hash"] is not None and y["hash"] is not None and x["hash"] != y["hash"]:
            differ.append((name, first_difference(x["cases"], y["cases"])))
    return differ


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
    p = sub.add_parser("catalogue", parents=[shared], help="list every program with its folder, family, summary and cases")
    p.add_argument("-o", "--output")
    args = parser.parse_args()

    if args.command == "report":
        rep = report(args.build, args.tests, args.jobs, args.only)
        with open(args.output, "w") as f:
            json.dump(rep, f, indent=1, sort_keys=True)
        summary(rep)
        print("report written to " + args.output)
        return 1 if any(r["failed"] for r in rep["programs"].values()) else 0
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
