#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a search from "/" against GNU find over the same files.

find / -xtype f -not -path '*/.*', with the kernel's interface file systems
pruned (read from /proc/self/mountinfo, by type), and links whose target
lies on one of them left out, as Quorrel leaves them out. Everything else,
tmpfs included, must be found by both. Files that come or go while the two
run (in /tmp, /run, /var/log...) are told apart by a second pass of find.

  python3 bench/check-root.py build/release/bench/quorrel-bench [TEXT]
"""
import os
import subprocess
import sys
import tempfile

INTERFACE = {"proc", "sysfs", "cgroup", "cgroup2", "devpts", "debugfs", "tracefs", "securityfs", "pstore", "bpf",
             "configfs", "fusectl", "mqueue", "hugetlbfs", "binfmt_misc", "efivarfs", "autofs", "rpc_pipefs",
             "nsfs", "selinuxfs", "nfsd", "fuse.lxcfs"}


def unescape(field):
    return field.encode().decode("unicode_escape").encode("latin-1")


def interface_mounts():
    points = {}
    with open("/proc/self/mountinfo", "rb") as info:
        for line in info:
            fields = line.split(b" ")
            dash = fields.index(b"-")
            points[unescape(fields[4].decode("latin-1"))] = fields[dash + 1].decode() in INTERFACE
    return sorted(p for p, skipped in points.items() if skipped)


def on_interface(path, mounts):
    try:
        device = os.stat(path).st_dev
    except OSError:
        return True
    return any(os.stat(m).st_dev == device for m in mounts if os.path.exists(m))


def find(text, mounts):
    prune = []
    for m in mounts:
        prune += ["-path", m, "-o"]
    command = [b"find", b"/", b"("] + [p if isinstance(p, bytes) else p.encode() for p in prune[:-1]] + \
              [b")", b"-prune", b"-o", b"-xtype", b"f", b"-iname", b"*" + text + b"*",
               b"-not", b"-path", b"*/.*", b"-print0"]
    out = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    found = set(p for p in out.split(b"\0") if p)
    return {p for p in found if not (os.path.islink(p) and on_interface(p, mounts))}


def main():
    bench = sys.argv[1]
    text = (sys.argv[2] if len(sys.argv) > 2 else "conf").encode()
    mounts = interface_mounts()
    with tempfile.NamedTemporaryFile() as paths:
        subprocess.run([bench, "engine", "/", text, "--paths", paths.name], check=True, stdout=subprocess.DEVNULL)
        ours = set(p for p in open(paths.name, "rb").read().split(b"\0") if p)
    theirs = find(text, mounts)
    again = find(text, mounts)
    steady = theirs & again
    changing = theirs ^ again
    missing = sorted(steady - ours)
    extra = sorted(p for p in ours - theirs if p not in changing and os.path.lexists(p))
    print(f"search from /, text {text.decode()}: Quorrel {len(ours)}, find {len(theirs)}; "
          f"{len(changing)} changed between the two finds")
    for label, paths in (("missing", missing), ("extra", extra)):
        for p in paths[:20]:
            print(f"  {label}: {p.decode(errors='backslashreplace')}")
    if missing or extra:
        sys.exit(1)
    print("identical")


main()
