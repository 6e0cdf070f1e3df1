#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cold searches taken in turns: quorrel-bench's window and engine modes
(with N read-ahead threads) and fd with all its threads, the caches dropped
before every run (needs root). The window's time is less its busy display.

  python3 bench/cold-turns.py BENCH DIR ROUNDS window:4,engine:4,fd
"""
import json, subprocess, statistics, sys, time, os
bench, tree, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3])
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
def drop(): subprocess.run("sync; echo 3 > /proc/sys/vm/drop_caches", shell=True, check=True)
def run(kind):
    drop()
    if kind == "fd":
        t = time.monotonic()
        subprocess.run(["fdfind", "--no-ignore", "-t", "f", "-i", "-F", "conf", tree], stdout=subprocess.DEVNULL, check=True)
        return time.monotonic() - t
    mode, n = kind.split(":")
    out = subprocess.run([bench, mode, tree, "conf", "--read-ahead", n], capture_output=True, text=True, env=env, check=True).stdout
    d = json.loads(out.strip().splitlines()[-1])
    return d["seconds"] - d.get("busy_seconds", 0)
kinds = sys.argv[4].split(",")
res = {k: [] for k in kinds}
l0 = os.getloadavg()[0]
for r in range(rounds):
    order = kinds[r % len(kinds):] + kinds[:r % len(kinds)]
    for k in order: res[k].append(run(k))
fd = statistics.median(res["fd"])
for k in kinds:
    m = statistics.median(res[k])
    print(f"{tree} {k}: median {m:.3f} ({min(res[k]):.3f}-{max(res[k]):.3f}) vs fd {m/fd:.2f}  [{' '.join(f'{x:.2f}' for x in res[k])}]")
print(f"load {l0:.2f} before, {os.getloadavg()[0]:.2f} after")
