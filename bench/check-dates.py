#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks searches by time and size against GNU find on a tree it makes.

The tree holds files whose modified and accessed times it sets (touch -d),
one second either side of each edge it then asks for, some in the future,
with sizes around every unit edge (sparse), beside hidden files, a hidden
folder and a link to a folder, which the walk never lists or enters. Each
search lists the tree with an empty name text; find lists
  find DIR -type f -not -path '*/.*' -newerXt @FROM ! -newerXt @UNTIL -size ...
(X: m or a) with the same limits. Times are whole seconds, so "at or after T"
is "newer than T - 1". find reads no birth time: for created times the
tree's files are made in two halves a few seconds apart, and find's list is
filtered by `stat -c %W`. The two sets of paths must be equal.

  python3 bench/check-dates.py BENCH
"""
import os
import subprocess
import sys
import tempfile
import time

SIZES = [0, 1, 1023, 1024, 1025, 2**20 - 1, 2**20, 2**20 + 1, 2**30 - 1, 2**30, 2**30 + 1]


def stamp(seconds):
    return time.strftime("%Y-%m-%dT%H:%M:%S", time.localtime(seconds))


def make_tree(root, now, edges):
    """Files at every time given and one second either side, in every size."""
    times = [now + 3600, now + 60]  # the future
    for e in edges:
        times += [e - 1, e, e + 1]
    os.makedirs(os.path.join(root, "sub", ".hidden"))
    os.makedirs(os.path.join(root, "far"))
    os.symlink(os.path.join(root, "far"), os.path.join(root, "sub", "to-far"))
    for i, t in enumerate(times):
        paths = []
        for j, size in enumerate(SIZES):
            folders = ["", "sub/"] + (["far/"] if j == 0 else [])
            for name in [f"{d}f{i}-{j}" for d in folders] + [f"{d}.h{i}-{j}" for d in folders] + [f"sub/.hidden/g{i}-{j}"]:
                paths.append(os.path.join(root, name))
                with open(paths[-1], "wb") as f:
                    f.truncate(size)
        # modified and accessed apart, so that reading one for the other shows
        subprocess.run(["touch", "-m", "-d", "@%d" % t] + paths, check=True)
        subprocess.run(["touch", "-a", "-d", "@%d" % (t - 7)] + paths, check=True)


def ours(bench, tree, options):
    with tempfile.NamedTemporaryFile() as paths:
        subprocess.run([bench, "engine", tree, ""] + options + ["--paths", paths.name], check=True,
                       stdout=subprocess.DEVNULL)
        return sorted(p for p in open(paths.name, "rb").read().split(b"\0") if p)


def theirs(tree, kind, start, end, least, most):
    command = ["find", tree, "-type", "f", "-not", "-path", "*/.*"]
    letter = {"modified": "m", "accessed": "a"}.get(kind)
    if letter and start is not None:
        command += [f"-newer{letter}t", "@%d" % (start - 1)]
    if letter and end is not None:
        command += ["!", f"-newer{letter}t", "@%d" % (end - 1)]
    if least:
        command += ["!", "-size", f"-{least}c"]
    if most is not None:
        command += ["!", "-size", f"+{most}c"]
    found = subprocess.run(command + ["-print0"], check=True, capture_output=True).stdout
    paths = [p for p in found.split(b"\0") if p]
    if kind == "created":
        def born(p):
            return int(subprocess.run(["stat", "-c", "%W", p], check=True, capture_output=True).stdout)
        paths = [p for p in paths if (start is None or born(p) >= start) and (end is None or born(p) < end)]
    return sorted(paths)


def main():
    bench = sys.argv[1]
    with tempfile.TemporaryDirectory() as tree:
        now = int(time.time())
        day = time.mktime(time.localtime(now - 40 * 86400)[:3] + (0, 0, 0, 0, 0, -1))  # a midnight, local
        day = int(day)
        within = {"30m": 1800, "2h": 7200, "3d": 3 * 86400, "2w": 14 * 86400}
        # "now" moves while the check runs: no file within ten seconds of "now - N", none from
        # ten seconds after now until the future ones (a minute on).
        edges = [day, day + 86400, day + 3 * 86400 + 3723] + [now - s - 10 for s in within.values()] + \
            [now - s + 10 for s in within.values()]
        make_tree(tree, now, edges)
        time.sleep(2)
        split = int(time.time())
        with open(os.path.join(tree, "late"), "wb") as f:
            f.truncate(5)
        cases = [
            ("--after (a day)", ["--after", time.strftime("%Y-%m-%d", time.localtime(day))], "modified", day, None),
            ("--before (a day)", ["--before", time.strftime("%Y-%m-%d", time.localtime(day + 86400))], "modified",
             None, day + 86400),
            ("--after --before (a time)", ["--after", stamp(day + 86400), "--before", stamp(day + 3 * 86400 + 3723)],
             "modified", day + 86400, day + 3 * 86400 + 3723),
            ("--time accessed --after --before", ["--time", "accessed", "--after", stamp(day), "--before",
                                                  stamp(day + 86400)], "accessed", day, day + 86400),
            ("--time created --after", ["--time", "created", "--after", stamp(split)], "created", split, None),
            ("--time created --before", ["--time", "created", "--before", stamp(split)], "created", None, split),
        ]
        for option, seconds in within.items():
            cases.append((f"--within {option}", ["--within", option], "modified", now - seconds, now + 30))
        sizes = [(1024, None), (None, 1024), (2**20, 2**30), (2**30 + 1, None), (1, 1023)]
        for least, most in sizes:
            options = (["--min-size", str(least)] if least else []) + (["--max-size", str(most)] if most else [])
            cases.append((" ".join(options), options, "modified", None, None))
        cases.append(("--within 3d --min-size 1025", ["--within", "3d", "--min-size", "1025"], "modified",
                      now - 3 * 86400, now + 30))
        failed = False
        for label, options, kind, start, end in cases:
            least = int(options[options.index("--min-size") + 1]) if "--min-size" in options else 0
            most = int(options[options.index("--max-size") + 1]) if "--max-size" in options else None
            a, b = ours(bench, tree, options), theirs(tree, kind, start, end, least, most)
            same = a == b
            print(f"{label}: Quorrel {len(a)}, find {len(b)}: {'identical' if same else 'DIFFERENT'}")
            if not same:
                failed = True
                for p in sorted(set(a) ^ set(b))[:10]:
                    print("  ", p.decode(errors="backslashreplace"))
        if int(time.time()) - now > 9:
            print("the check ran too long for its 'within' edges: run it again")
            failed = True
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
