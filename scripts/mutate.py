#!/usr/bin/env python3
"""Plants small faults in the game's source one at a time and counts how many the
unit tests catch.

Each fault is one of: a number one higher, a comparison turned (< and <=, > and >=,
== and !=), one letter of a text changed, a statement dropped, a music cue dropped.
For each one the script rebuilds the tests of the game's rules (in build-mutate/:
the unit tests and the transcript replays), runs them, puts the source back, and
counts the fault as caught when a test fails or hangs. Faults that do not compile
are replaced by others. The sites are drawn with the given seed, so a run is
repeatable.

    scripts/mutate.py --seed 1 --count 200 [--dirs src/story src/combat ...]
"""
import argparse
import os
import random
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-mutate")
DEFAULT_DIRS = ["src/story", "src/combat", "src/hero", "src/save", "src/shell"]
TEST_TIMEOUT = 120

STRING = re.compile(r'"(?:[^"\\]|\\.)*"')
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
COMPARISON = re.compile(r" (<=|>=|==|!=|<|>) ")
TURNED = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
DECLARATION = re.compile(
    r"^\s*(const |constexpr |static |inline |int |bool |auto |char |std::|struct |using |"
    r"enum |namespace |template|typedef |case |default:|return|break;|continue;|}|\{|#|"
    r"[A-Z]\w*[&*]? \w+(\(| =|;| \{))")


def code_part(line):
    """The line without a trailing // comment (outside strings)."""
    out, i = [], 0
    while i < len(line):
        if line[i] == '"':
            m = STRING.match(line, i)
            if m:
                out.append(m.group(0))
                i = m.end()
                continue
        if line.startswith("//", i):
            break
        out.append(line[i])
        i += 1
    return "".join(out)


def outside_strings(code):
    """Spans of the code that are not inside string or character literals."""
    spans, last = [], 0
    for m in re.finditer(r'"(?:[^"\\]|\\.)*"|\'(?:[^\'\\]|\\.)\'', code):
        spans.append((last, m.start()))
        last = m.end()
    spans.append((last, len(code)))
    return spans


def sites_in(path):
    """Every fault that can be planted in one file: (line index, kind, old, new)."""
    lines = open(path, encoding="latin-1").read().split("\n")
    sites = []
    in_block_comment = False
    for n, line in enumerate(lines):
        stripped = line.strip()
        if in_block_comment:
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith("//") or stripped.startswith("#"):
            continue
        code = code_part(line)
        for start, end in outside_strings(code):
            segment = code[start:end]
            for m in NUMBER.finditer(segment):
                a, b = start + m.start(1), start + m.end(1)
                sites.append((n, "number", line, line[:a] + str(int(m.group(1)) + 1) + line[b:]))
            for m in COMPARISON.finditer(segment):
                a, b = start + m.start(1), start + m.end(1)
                sites.append((n, "comparison", line, line[:a] + TURNED[m.group(1)] + line[b:]))
        for m in STRING.finditer(code):
            text = m.group(0)
            letters = [i for i, c in enumerate(text)
                       if c.isalpha() and text[i - 1] not in "%\\" and i > 0]
            if letters:
                i = letters[len(letters) // 2]
                c = text[i]
                swapped = chr(ord(c) + 1) if c not in "zZ" else chr(ord(c) - 1)
                a = m.start() + i
                sites.append((n, "text", line, line[:a] + swapped + line[a + 1:]))
        if re.search(r"\bplay\(", code) and code.rstrip().endswith(";"):
            sites.append((n, "music cue", line, ""))
        elif code.rstrip().endswith(";") and not DECLARATION.match(code) and "(" in code:
            # A whole statement on one line: a call or an assignment.
            prev = lines[n - 1].rstrip() if n > 0 else ""
            if prev.endswith((";", "{", "}", ":")) or prev.strip().startswith("//") or not prev:
                sites.append((n, "statement", line, ""))
    return sites


def all_sites(dirs):
    sites = []
    for d in dirs:
        for base, _, files in sorted(os.walk(os.path.join(ROOT, d))):
            for f in sorted(files):
                if f.endswith((".cpp", ".hpp")):
                    path = os.path.join(base, f)
                    sites += [(os.path.relpath(path, ROOT),) + s for s in sites_in(path)]
    return sites


def run(cmd, timeout=None):
    return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          timeout=timeout, text=True, errors="replace")


def configure():
    done = run(["cmake", "-S", ".", "-B", BUILD, "-DCMAKE_BUILD_TYPE=Debug", "-DVOVUZAVO_MUSIC=OFF"])
    if done.returncode != 0:
        sys.exit("cmake could not configure the build:\n" + done.stdout)


def test_programs():
    """The test programs of the game's rules, as the build lists them."""
    with open(os.path.join(BUILD, "tests", "rule_tests.txt")) as listing:
        programs = [line.strip() for line in listing if line.strip()]
    if not programs:
        sys.exit("the build lists no test programs")
    return programs


def build():
    jobs = str(os.cpu_count() or 2)
    return run(["cmake", "--build", BUILD, "-j" + jobs, "--target", "rule_tests"]).returncode == 0


def tests_pass():
    """True when every test program passes; a hang counts as a failure."""
    for program in test_programs():
        try:
            if run([program, "--gtest_brief=1"], timeout=TEST_TIMEOUT).returncode != 0:
                return False
        except subprocess.TimeoutExpired:
            return False
    return True


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=200)
    parser.add_argument("--dirs", nargs="+", default=DEFAULT_DIRS)
    args = parser.parse_args()

    sites = all_sites(args.dirs)
    random.Random(args.seed).shuffle(sites)
    print(f"{len(sites)} possible faults in {', '.join(args.dirs)}; seed {args.seed}", flush=True)
    configure()
    if not build() or not tests_pass():
        sys.exit("the tests must build and pass before faults are planted")

    caught, survivors, tried, started = 0, [], 0, time.time()
    for path, n, kind, old, new in sites:
        if tried == args.count:
            break
        full = os.path.join(ROOT, path)
        original = open(full, encoding="latin-1").read()
        lines = original.split("\n")
        if lines[n] != old:
            continue
        lines[n] = new
        try:
            open(full, "w", encoding="latin-1").write("\n".join(lines))
            if not build():
                continue  # does not compile: not a fault a test could miss
            tried += 1
            if tests_pass():
                survivors.append((path, n + 1, kind, old.strip(), new.strip()))
                verdict = "SURVIVED"
            else:
                caught += 1
                verdict = "caught"
            print(f"[{tried}/{args.count}] {verdict:8} {path}:{n + 1} {kind}: {new.strip() or '(dropped) ' + old.strip()}",
                  flush=True)
        finally:
            open(full, "w", encoding="latin-1").write(original)
    build()
    minutes = (time.time() - started) / 60
    print(f"\ncaught {caught} of {tried} planted faults ({100.0 * caught / max(tried, 1):.1f}%) "
          f"in {minutes:.0f} min; seed {args.seed}")
    if survivors:
        print("survivors:")
        for path, line, kind, old, new in survivors:
            print(f"  {path}:{line} {kind}\n    - {old}\n    + {new or '(dropped)'}")


if __name__ == "__main__":
    main()
