#!/usr/bin/env python3
"""Mutation run over the product code: how many small faults does the test suite catch?

Each mutant changes one thing on one line of checker/, entitydb/, frontend/core/ or platform/:
a comparison, an arithmetic operator, && and ||, an integer constant off by one, a returned
boolean, or a whole statement deleted. The mutants are drawn reproducibly from a seed. Each one
is built incrementally in a scratch copy of the tree and the test suite runs until its first
failure. The working tree is never touched.

    tools/mutate.sh [--count N] [--seed S] [--scratch DIR] [--list] [--source DIR] [--pick 1,4,7]

To compare two versions of the tests on the same product code, run both with the same seed and count
and --source naming each tree; --pick repeats only some of the mutants, by their numbers.
"""
import argparse
import filecmp
import os
import random
import re
import shutil
import subprocess
import sys
import time

AREAS = ("checker", "entitydb", "frontend/core", "platform")

# Operators are matched with their surroundings so that "->", "<<", "++", "+=", templates and
# include lines are left alone.
SWAPS = [
    ("comparison", re.compile(r"(?<=\s)(==|!=|<=|>=)(?=\s)"),
     {"==": "!=", "!=": "==", "<=": "<", ">=": ">"}),
    ("comparison", re.compile(r"(?<=\s)(<|>)(?=\s)"), {"<": "<=", ">": ">="}),
    ("arithmetic", re.compile(r"(?<=\s)(\+|-|\*|/)(?=\s)"), {"+": "-", "-": "+", "*": "/", "/": "*"}),
    ("logical", re.compile(r"(?<=\s)(&&|\|\|)(?=\s)"), {"&&": "||", "||": "&&"}),
    ("constant", re.compile(r"(?<![\w.])(\d+)(?![\w.])"), None),
    ("boolean", re.compile(r"\breturn (true|false);"), {"true": "false", "false": "true"}),
]

STATEMENT = re.compile(r"^\s*(?!return\b|break\b|continue\b|case\b|default\b|else\b|if\b|for\b|while\b|do\b"
                       r"|const\b|static\b|auto\b|using\b|typedef\b|namespace\b)"
                       r"[A-Za-z_][\w.:\->\[\]]*(\s*(\(|=|\+=|-=|\+\+|--|<<)).*;\s*$")


def code_part(line):
    """The line without string and character literals and without a trailing comment."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
            out.append(" " if c != quote and quote else c)
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def find_sites(root):
    sites = []
    for area in AREAS:
        for folder, _, files in sorted(os.walk(os.path.join(root, area))):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.relpath(os.path.join(folder, name), root)
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
                    lines = f.read().split("\n")
                in_comment = False
                for number, line in enumerate(lines, 1):
                    stripped = line.strip()
                    if in_comment:
                        in_comment = "*/" not in stripped
                        continue
                    if stripped.startswith("/*"):
                        in_comment = "*/" not in stripped
                        continue
                    if not stripped or stripped.startswith(("#", "//", "*", "static_assert")):
                        continue
                    code = code_part(line)
                    for kind, pattern, table in SWAPS:
                        for match in pattern.finditer(code):
                            old = match.group(1)
                            if kind == "constant":
                                value = int(old)
                                new = str(value + 1 if value == 0 else value - 1)
                            else:
                                new = table[old]
                            start, end = match.span(1)
                            sites.append((path, number, kind, start, end, old, new))
                    if STATEMENT.match(code) and not stripped.endswith(("{", ",")):
                        sites.append((path, number, "statement", 0, len(line), stripped, ";"))
    return sites


def apply(root, site):
    path, number, kind, start, end, old, new = site
    full = os.path.join(root, path)
    with open(full, encoding="utf-8", errors="surrogateescape") as f:
        text = f.read()
    lines = text.split("\n")
    line = lines[number - 1]
    if kind == "statement":
        indent = line[:len(line) - len(line.lstrip())]
        lines[number - 1] = indent + ";"
    else:
        lines[number - 1] = line[:start] + new + line[end:]
    with open(full, "w", encoding="utf-8", errors="surrogateescape") as f:
        f.write("\n".join(lines))
    return text


def run(command, cwd, timeout):
    try:
        return subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              text=True, errors="replace", timeout=timeout)
    except subprocess.TimeoutExpired:
        return None


def first_failure(output):
    for line in output.splitlines():
        match = re.match(r"\s*\d+ - (\S+) \(", line)
        if match:
            return match.group(1)
    return "an unnamed test"


def main():
    parser = argparse.ArgumentParser(description="Mutation run over the product code.")
    parser.add_argument("--count", type=int, default=40)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--scratch", help="scratch folder (default: build-mutate/ in the checkout)")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--list", action="store_true", help="print the chosen mutants and stop")
    parser.add_argument("--source", help="the tree to mutate (default: this checkout)")
    parser.add_argument("--pick", help="run only these of the chosen mutants, by number: 1,4,7")
    args = parser.parse_args()

    source = os.path.abspath(args.source or os.path.join(os.path.dirname(__file__), ".."))
    args.scratch = os.path.abspath(args.scratch or os.path.join(source, "build-mutate"))
    sites = find_sites(source)
    chosen = random.Random(args.seed).sample(sites, min(args.count, len(sites)))
    print(f"{len(sites)} mutation sites; {len(chosen)} mutants from seed {args.seed}", flush=True)
    if args.list:
        for path, number, kind, _, _, old, new in chosen:
            print(f"{path}:{number} {kind}: {old} -> {new}")
        return 0

    # A scratch copy of the committed and uncommitted files, built once before the first mutant.
    tree = os.path.join(args.scratch, "tree")
    # The build folder sits in the copy as build/ does in a checkout, so that ccache, told to ignore
    # the folders' own paths, finds what the checkout's build has compiled.
    build = os.path.join(tree, "build")
    os.environ.setdefault("CCACHE_BASEDIR", os.path.dirname(source))
    os.environ.setdefault("CCACHE_NOHASHDIR", "1")
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=source,
                           stdout=subprocess.PIPE, text=True, check=True).stdout.split("\n")
    for name in filter(None, files):
        if not os.path.isfile(os.path.join(source, name)):
            continue
        target = os.path.join(tree, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if not os.path.exists(target) or not filecmp.cmp(os.path.join(source, name), target, shallow=False):
            # A fresh time stamp, so that the build sees the change even when the checkout's copy is
            # older than objects the scratch build made from an earlier version.
            shutil.copyfile(os.path.join(source, name), target)
            shutil.copymode(os.path.join(source, name), target)
    # Files gone from the checkout leave the copy too.
    wanted = {os.path.normpath(name) for name in files if name}
    for folder, subfolders, names in os.walk(tree):
        if os.path.samefile(folder, tree) and "build" in subfolders:
            subfolders.remove("build")
        for name in names:
            path = os.path.join(folder, name)
            if os.path.relpath(path, tree) not in wanted:
                os.remove(path)
    # The tests find the real maps beside the checkout.
    corpus = os.path.join(source, "..", "shared")
    if os.path.isdir(corpus) and not os.path.lexists(os.path.join(args.scratch, "shared")):
        os.symlink(os.path.abspath(corpus), os.path.join(args.scratch, "shared"))
    configure = ["cmake", "-S", tree, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DQUILLON_BUILD_UI=OFF"]
    if shutil.which("ccache"):
        configure += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    build_command = ["cmake", "--build", build, f"-j{args.jobs}"]
    test_command = ["ctest", "--test-dir", build, f"-j{args.jobs}", "--timeout", "60", "--stop-on-failure"]
    os.environ["QT_QPA_PLATFORM"] = "offscreen"
    for step in (configure, build_command, test_command):
        result = run(step, source, 3600)
        if result is None or result.returncode != 0:
            print(f"the unmutated tree fails at: {' '.join(step)}", file=sys.stderr)
            if result is not None:
                print(result.stdout[-3000:], file=sys.stderr)
            return 1

    killed, survivors, unbuilt = 0, [], 0
    began = time.time()
    picked = {int(n) for n in args.pick.split(",")} if args.pick else None
    for index, site in enumerate(chosen, 1):
        if picked is not None and index not in picked:
            continue
        path, number, kind, _, _, old, new = site
        label = f"{path}:{number} {kind}: {old} -> {new}"
        original = apply(tree, site)
        try:
            built = run(build_command, source, 900)
            if built is None or built.returncode != 0:
                unbuilt += 1
                verdict = "did not build"
            else:
                tested = run(test_command, source, 1800)
                if tested is None:
                    killed += 1
                    verdict = "killed by the suite's time limit"
                elif tested.returncode != 0:
                    killed += 1
                    verdict = f"killed by {first_failure(tested.stdout)}"
                else:
                    survivors.append(label)
                    verdict = "survived"
        finally:
            with open(os.path.join(tree, path), "w", encoding="utf-8", errors="surrogateescape") as f:
                f.write(original)
        print(f"[{index}/{len(chosen)}] {label}: {verdict}", flush=True)

    # Leave the scratch build matching the unmutated tree for the next run.
    run(build_command, source, 900)
    built_count = (len(picked) if picked is not None else len(chosen)) - unbuilt
    percent = 100.0 * killed / built_count if built_count else 0.0
    print(f"killed {killed} of {built_count} ({percent:.1f}%); {unbuilt} did not build; "
          f"{time.time() - began:.0f} s")
    for label in survivors:
        print(f"survivor: {label}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
