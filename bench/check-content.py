#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a containing-text search against find and grep on the same files.

Names containing "copyright" (any case) under /usr/share/doc whose content
holds "gpl" (any case): Quorrel's engine against
  find DIR -xtype f -iname '*copyright*' -not -path '*/.*' -exec grep -ilF gpl {} +

  python3 bench/check-content.py BENCH [DIR NAME TEXT]
"""
import os
import subprocess
import sys
import tempfile


def main():
    bench = sys.argv[1]
    tree, name, text = (sys.argv[2:5] if len(sys.argv) >= 5 else ["/usr/share/doc", "copyright", "gpl"])
    with tempfile.NamedTemporaryFile() as paths:
        subprocess.run([bench, "engine", tree, name, "--contains", text, "--paths", paths.name], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ours = [p for p in open(paths.name, "rb").read().split(b"\0") if p]
    env = dict(os.environ, LC_ALL="C.UTF-8")
    command = ["find", tree, "-xtype", "f", "-iname", f"*{name}*", "-not", "-path", "*/.*",
               "-exec", "grep", "-ilF", "--null", text, "{}", "+"]
    found = subprocess.run(command, capture_output=True, env=env).stdout
    theirs = [p for p in found.split(b"\0") if p]
    same = sorted(ours) == sorted(theirs) and len(ours) == len(set(ours))
    print(f'names "{name}" containing "{text}" under {tree}: Quorrel {len(ours)}, find and grep {len(theirs)}: '
          f"{'identical' if same else 'DIFFERENT'}")
    for p in sorted(set(ours) ^ set(theirs))[:10]:
        print("  ", p.decode(errors="backslashreplace"))
    sys.exit(0 if same else 1)


main()
