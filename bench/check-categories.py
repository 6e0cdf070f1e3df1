#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks category searches against GNU find with the same wildcards.

For each KIND:INDEX, Quorrel's engine lists the tree with that category's
pattern (read from quorrel-bench itself) and an empty name text; find lists
  find DIR -xtype f -not -path '*/.*' \\( -iname E1 -o -iname E2 ... \\)
with the same elements. The two sets of paths must be equal.

  python3 bench/check-categories.py BENCH DIR [KIND:INDEX ...]
  (default: multimedia:4 "All Pictures" and office:3 "INTERNET DOCUMENTS")
"""
import json
import os
import subprocess
import sys
import tempfile


def find_command(tree, elements):
    names = []
    for e in elements:
        names += ["-o", "-iname", e] if names else ["-iname", e]
    return ["find", tree, "-xtype", "f", "-not", "-path", "*/.*", "("] + names + [")", "-print0"]


def main():
    bench, tree = sys.argv[1], sys.argv[2]
    choices = sys.argv[3:] or ["multimedia:4", "office:3"]
    tables = json.loads(subprocess.run([bench, "categories"], check=True, capture_output=True, text=True).stdout)
    failed = False
    for choice in choices:
        kind, index = choice.split(":")
        caption, pattern = tables[kind][int(index)]
        # "*.*" admits every name, with or without a dot, as "*" does for find.
        elements = ["*" if e == "*.*" else e for e in pattern.split(";") if e]
        with tempfile.NamedTemporaryFile() as paths:
            subprocess.run([bench, "engine", tree, "", "--category", choice, "--paths", paths.name], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            ours = [p for p in open(paths.name, "rb").read().split(b"\0") if p]
        env = dict(os.environ, LC_ALL="C")
        found = subprocess.run(find_command(tree, elements), check=True, capture_output=True, env=env).stdout
        theirs = [p for p in found.split(b"\0") if p]
        same = sorted(ours) == sorted(theirs) and len(ours) == len(set(ours))
        print(f"{caption} over {tree}: Quorrel {len(ours)}, find {len(theirs)}: {'identical' if same else 'DIFFERENT'}")
        if not same:
            failed = True
            for p in sorted(set(ours) ^ set(theirs))[:10]:
                print("  ", p.decode(errors="backslashreplace"))
    sys.exit(1 if failed else 0)


main()
