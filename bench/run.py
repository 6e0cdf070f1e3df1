#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times Quorrel's search against find, fd, grep and ripgrep on the same trees, in one run.

Each measurement is its own process; every tool runs once untimed first, then
the runs alternate between the tools so a passing disturbance hits them all
alike; the median of the runs is shown. Two kinds of time, and every table
says which each row is:
  in process     Quorrel's own clock, from the start of the search (the press
                 of Find, for the window) to its end (the window's idle look);
  whole process  the wall time of a process from its start to its exit, as
                 hyperfine takes it: the peers always, and `quorrel-bench
                 engine` run as a process.
"""
import argparse
import json
import os
import platform
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def quorrel(bench, mode, tree, text, *extra):
    command = [bench, mode, tree] if mode == "getdents" else [bench, mode, tree, text, *extra]
    out = subprocess.run(command, check=True, capture_output=True, text=True)
    return json.loads(out.stdout.strip().splitlines()[-1])


def process(command, locale="C", check=True):
    """Wall, user and system seconds of a whole process."""
    env = dict(os.environ, LC_ALL=locale)
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.perf_counter() - start
    if check and os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"FAILED: {' '.join(command)}")
    return {"wall": seconds, "user": usage.ru_utime, "system": usage.ru_stime}


def wall(command):
    return process(command)["wall"]


def floor(bench, tree):
    """The kernel's own cost of reading the tree: a bare getdents64 walk."""
    return quorrel(bench, "getdents", tree, "")


def find_command(tree, text):
    return ["find", tree, "-xtype", "f", "-iname", f"*{text}*", "-not", "-path", "*/.*"]


def check_results(bench, tree, text, scratch):
    """The engine's result set must equal find's, path for path."""
    paths_file = os.path.join(scratch, "quorrel.paths")
    quorrel(bench, "engine", tree, text, "--paths", paths_file)
    with open(paths_file, "rb") as f:
        ours = [p for p in f.read().split(b"\0") if p]
    env = dict(os.environ, LC_ALL="C")
    found = subprocess.run(find_command(tree, text) + ["-print0"], check=True, capture_output=True, env=env).stdout
    theirs = [p for p in found.split(b"\0") if p]
    if sorted(ours) != sorted(theirs) or len(ours) != len(set(ours)):
        only_ours = sorted(set(ours) - set(theirs))[:5]
        only_find = sorted(set(theirs) - set(ours))[:5]
        sys.exit(f"RESULTS DIFFER on {tree}: {len(ours)} vs find's {len(theirs)}; "
                 f"only Quorrel: {only_ours}; only find: {only_find}")
    return len(ours)


def median_spread(values):
    return statistics.median(values), min(values), max(values)


def measure_tree(bench, tree, text, runs, scratch):
    results = check_results(bench, tree, text, scratch)
    fd = ["fdfind", "--no-ignore", "-t", "f", "-i", "-F", text, tree]
    tools = {
        "engine": lambda: quorrel(bench, "engine", tree, text)["seconds"],
        "events": lambda: quorrel(bench, "events", tree, text)["seconds"],
        "window": lambda: quorrel(bench, "window", tree, text),
        "engine process": lambda: process([bench, "engine", tree, text]),
        "getdents": lambda: floor(bench, tree),
        "find": lambda: wall(find_command(tree, text)),
        "fd -j1": lambda: wall(fd + ["-j1"]),
        "fd": lambda: wall(fd),
    }
    for run in tools.values():  # warm-up: the cache, and each tool's own files
        run()
    times = {k: [] for k in ("engine", "events", "window", "window-busy", "engine process", "find", "fd -j1", "fd")}
    stalls, peaks, kernel = [], [], {"engine user": [], "engine system": [], "floor system": [], "floor wall": []}
    for _ in range(runs):
        for key, run in tools.items():
            got = run()
            if key == "window":
                times["window"].append(got["seconds"] - got["busy_seconds"])
                times["window-busy"].append(got["seconds"])
                stalls.append(got["max_stall_ms"])
                peaks.append(got["peak_kb"])
            elif key == "engine process":
                times[key].append(got["wall"])
                kernel["engine user"].append(got["user"])
                kernel["engine system"].append(got["system"])
            elif key == "getdents":
                kernel["floor system"].append(got["system_seconds"])
                kernel["floor wall"].append(got["seconds"])
            else:
                times[key].append(got)
    return {"tree": tree, "text": text, "results": results, "times": times, "kernel": kernel,
            "max_stall_ms": max(stalls), "peak_mb": max(peaks) / 1024}


def category_commands(tree, text, pattern):
    elements = ["*" if e == "*.*" else e for e in pattern.split(";") if e]
    names = []
    for e in elements:
        names += ["-o", "-iname", e] if names else ["-iname", e]
    find = ["find", tree, "-xtype", "f", "-iname", f"*{text}*", "-not", "-path", "*/.*", "("] + names + [")"]
    fd = ["fdfind", "--no-ignore", "-t", "f", "-i", "-F", text, tree, "-j1"]
    for e in elements:
        if e.startswith("*.") and "*" not in e[2:]:
            fd += ["-e", e[2:].lower()]
    return find, fd


def measure_category(bench, tree, text, choice, runs):
    """A category search beside the All Files search with the same text."""
    tables = json.loads(subprocess.run([bench, "categories"], check=True, capture_output=True, text=True).stdout)
    kind, index = choice.split(":")
    caption, pattern = tables[kind][int(index)]
    find, fd = category_commands(tree, text, pattern)
    wall(find)
    times = {k: [] for k in ("category engine", "category window", "all-files engine", "all-files window",
                             "find", "fd -j1")}
    results = 0
    for _ in range(runs):
        e = quorrel(bench, "engine", tree, text, "--category", choice)
        results = e["results"]
        times["category engine"].append(e["seconds"])
        w = quorrel(bench, "window", tree, text, "--category", choice)
        times["category window"].append(w["seconds"] - w["busy_seconds"])
        times["all-files engine"].append(quorrel(bench, "engine", tree, text)["seconds"])
        w = quorrel(bench, "window", tree, text)
        times["all-files window"].append(w["seconds"] - w["busy_seconds"])
        times["find"].append(wall(find))
        times["fd -j1"].append(wall(fd))
    return {"tree": tree, "text": text, "caption": caption, "results": results, "times": times}


def category_report(measured, runs):
    lines = ["", f"Category searches, median of {runs} runs (min-max), warm cache; the same name text in the "
                 "All Files search for comparison.", "",
             "| tree | category | text | results | tool | seconds | spread | vs All Files | vs find |",
             "|---|---|---|---|---|---|---|---|---|"]
    for m in measured:
        t = m["times"]
        find_med = statistics.median(t["find"])
        for key in t:
            med, lo, hi = median_spread(t[key])
            base = t["all-files engine"] if "engine" in key else t["all-files window"] if "window" in key else None
            versus = f"{med / statistics.median(base):.2f}" if base and "category" in key else ""
            lines.append(f"| {m['tree']} | {m['caption']} | {m['text']} | {m['results']} | {key} | {med:.3f} | "
                         f"{lo:.3f}-{hi:.3f} | {versus} | {med / find_med:.2f} |")
    return "\n".join(lines)


def measure_content(bench, tree, name, text, runs, scratch):
    """The containing-text search beside ripgrep and grep; the engine's files must be rg's."""
    rg = ["rg", "-i", "-F", "-l", "-j1", "--no-ignore", "-uu", "--iglob", f"*{name}*", text, tree]
    grep = ["grep", "-rilF", f"--include=*{name}*", text, tree]
    paths_file = os.path.join(scratch, "quorrel.paths")
    quorrel(bench, "engine", tree, name, "--contains", text, "--paths", paths_file)
    with open(paths_file, "rb") as f:
        ours = sorted(p for p in f.read().split(b"\0") if p)
    listed = subprocess.run(rg + ["-0"], capture_output=True, env=dict(os.environ, LC_ALL="C.UTF-8")).stdout
    theirs = sorted(p for p in listed.split(b"\0") if p)
    if ours != theirs:
        sys.exit(f"RESULTS DIFFER on {tree} for {text!r}: Quorrel {len(ours)} files, rg {len(theirs)}")
    tools = {
        "engine": lambda: quorrel(bench, "engine", tree, name, "--contains", text),
        "window": lambda: quorrel(bench, "window", tree, name, "--contains", text),
        "engine process": lambda: process([bench, "engine", tree, name, "--contains", text])["wall"],
        "rg -j1": lambda: process(rg, "C.UTF-8", check=False)["wall"],  # 1: nothing found
        "grep": lambda: process(grep, "C.UTF-8", check=False)["wall"],
    }
    for run in tools.values():
        run()
    times = {k: [] for k in tools}
    peaks, stalls = [], []
    for _ in range(runs):
        for key, run in tools.items():
            got = run()
            if key == "engine":
                times[key].append(got["seconds"])
                peaks.append(got["peak_kb"])
            elif key == "window":
                times[key].append(got["seconds"] - got["busy_seconds"])
                stalls.append(got["max_stall_ms"])
                peaks.append(got["peak_kb"])
            else:
                times[key].append(got)
    return {"tree": tree, "name": name, "text": text, "results": len(ours), "times": times,
            "peak_mb": max(peaks) / 1024, "max_stall_ms": max(stalls)}


def measure_date(bench, tree, text, options, runs):
    """A search by time and size beside the name search with the same text, taken in turns."""
    quorrel(bench, "engine", tree, text)
    times = {"name": [], "time and size": []}
    for _ in range(runs):
        times["name"].append(quorrel(bench, "engine", tree, text)["seconds"])
        times["time and size"].append(quorrel(bench, "engine", tree, text, *options)["seconds"])
    return {"tree": tree, "text": text, "options": " ".join(options), "times": times}


def date_report(measured, runs):
    lines = ["", f"Searches by time and size, engine, median of {runs} runs taken in turns with the name search "
                 "(min-max), warm cache.", "",
             "| tree | text | options | search | seconds | spread | vs name |", "|---|---|---|---|---|---|---|"]
    for m in measured:
        base = statistics.median(m["times"]["name"])
        for key, values in m["times"].items():
            med, lo, hi = median_spread(values)
            lines.append(f"| {m['tree']} | {m['text']} | {m['options'] if key != 'name' else ''} | {key} | "
                         f"{med:.3f} | {lo:.3f}-{hi:.3f} | {med / base:.2f} |")
    return "\n".join(lines)


def content_report(measured, runs):
    lines = ["", f"Containing-text searches, median of {runs} runs (min-max), warm cache.", "",
             "| tree | name, text | results | tool | measured | seconds | spread | vs rg -j1 | vs grep |",
             "|---|---|---|---|---|---|---|---|---|"]
    labels = {"engine": ("Quorrel engine alone", "in process"),
              "window": ("Quorrel window (less busy display)", "in process"),
              "engine process": ("quorrel-bench engine", "whole process"),
              "rg -j1": ("rg -j1", "whole process"), "grep": ("grep -r", "whole process")}
    for m in measured:
        t = m["times"]
        rg_med, grep_med = statistics.median(t["rg -j1"]), statistics.median(t["grep"])
        for key, (label, kind) in labels.items():
            med, lo, hi = median_spread(t[key])
            lines.append(f"| {m['tree']} | {m['name']}, {m['text']} | {m['results']} | {label} | {kind} | "
                         f"{med:.3f} | {lo:.3f}-{hi:.3f} | {med / rg_med:.2f} | {med / grep_med:.2f} |")
        lines.append(f"| {m['tree']} | | | Quorrel: peak memory {m['peak_mb']:.0f} MB, longest event-loop stall "
                     f"{m['max_stall_ms']:.1f} ms | | | | | |")
    return "\n".join(lines)


def measure_depth(bench, tree, text, runs, scratch):
    """A chain of nested folders: the engine's time against find's, warm."""
    results = check_results(bench, tree, text, scratch)
    tools = {
        "engine": lambda: quorrel(bench, "engine", tree, text)["seconds"],
        "engine process": lambda: process([bench, "engine", tree, text]),
        "find": lambda: process(find_command(tree, text)),
    }
    for run in tools.values():
        run()
    times = {k: [] for k in tools}
    system = {k: [] for k in tools if k != "engine"}
    for _ in range(runs):
        for key, run in tools.items():
            got = run()
            times[key].append(got if key == "engine" else got["wall"])
            if key in system:
                system[key].append(got["system"])
    return {"tree": tree, "text": text, "results": results, "times": times, "system": system}


def depth_report(measured, runs):
    lines = ["", f"Depth: chains of nested folders, median of {runs} runs (min-max), warm cache.", "",
             "| tree | results | tool | measured | seconds | spread | of it in the kernel | vs find |",
             "|---|---|---|---|---|---|---|---|"]
    labels = {"engine": ("Quorrel engine alone", "in process"),
              "engine process": ("quorrel-bench engine", "whole process"), "find": ("find", "whole process")}
    for m in measured:
        find_med = statistics.median(m["times"]["find"])
        for key, (label, kind) in labels.items():
            med, lo, hi = median_spread(m["times"][key])
            kernel = f"{statistics.median(m['system'][key]):.3f}" if key in m["system"] else ""
            lines.append(f"| {m['tree']} | {m['results']} | {label} | {kind} | {med:.3f} | {lo:.3f}-{hi:.3f} | "
                         f"{kernel} | {med / find_med:.2f} |")
    return "\n".join(lines)


def drop_caches():
    """True when the kernel's caches were dropped (needs root)."""
    try:
        subprocess.run(["sync"], check=True)
        with open("/proc/sys/vm/drop_caches", "w") as f:
            f.write("3\n")
        return True
    except OSError:
        return False


def measure_cold(bench, tree, text, runs):
    """Each run of each tool starts from dropped caches. Quorrel as the program
    runs it (reading ahead once its reads show a cold cache) and without
    reading ahead; warm, also with the workers made to read all the time."""
    tools = {
        "engine, read-ahead": lambda: quorrel(bench, "engine", tree, text)["seconds"],
        "engine, no read-ahead": lambda: quorrel(bench, "engine", tree, text, "--read-ahead", "0")["seconds"],
        "window, read-ahead": lambda: window_seconds(bench, tree, text),
        "window, no read-ahead": lambda: window_seconds(bench, tree, text, "--read-ahead", "0"),
        "find": lambda: wall(find_command(tree, text)),
        "fd -j1": lambda: wall(["fdfind", "--no-ignore", "-t", "f", "-i", "-F", text, tree, "-j1"]),
        "fd": lambda: wall(["fdfind", "--no-ignore", "-t", "f", "-i", "-F", text, tree]),
    }
    times = {k: [] for k in tools}
    for _ in range(runs):
        for key, run in tools.items():
            drop_caches()
            times[key].append(run())
    warm_tools = {
        "warm engine, read-ahead": [],
        "warm engine, no read-ahead": ["--read-ahead", "0"],
        "warm engine, reading ahead always": ["--read-ahead", "always"],
    }
    warm = {k: [] for k in warm_tools}
    quorrel(bench, "engine", tree, text)
    for _ in range(runs):
        for key, extra in warm_tools.items():
            warm[key].append(quorrel(bench, "engine", tree, text, *extra)["seconds"])
    times.update(warm)
    return {"tree": tree, "text": text, "times": times}


def window_seconds(bench, tree, text, *extra):
    w = quorrel(bench, "window", tree, text, *extra)
    return w["seconds"] - w["busy_seconds"]


def cold_report(measured, runs):
    lines = ["", f"Cold cache: the kernel's caches dropped before each run of each tool; median of {runs} runs "
                 "(min-max). The window's time is less its fixed busy display. Warm rows: the same search "
                 "again from a warm cache.", "",
             "| tree | tool | measured | seconds | spread | vs fd (all threads) | vs fd -j1 | vs no read-ahead |",
             "|---|---|---|---|---|---|---|---|"]
    for m in measured:
        t = m["times"]
        fd_med, fd1_med = statistics.median(t["fd"]), statistics.median(t["fd -j1"])
        for key, values in t.items():
            med, lo, hi = median_spread(values)
            mode = "warm engine" if key.startswith("warm") else key.split(",")[0]
            base = t.get(f"{mode}, no read-ahead")
            versus = f"{med / statistics.median(base):.2f}" if base and mode in ("engine", "window", "warm engine") else ""
            fd_cols = "| |" if key.startswith("warm") else f"{med / fd_med:.2f} | {med / fd1_med:.2f} |"
            kind = "whole process" if key in ("find", "fd -j1", "fd") else "in process"
            lines.append(f"| {m['tree']} | {key} | {kind} | {med:.3f} | {lo:.3f}-{hi:.3f} | {fd_cols} {versus} |")
    return "\n".join(lines)


def memory(bench, tree, text):
    e = quorrel(bench, "engine", tree, text)
    w = quorrel(bench, "window", tree, text)
    beyond = ((e["rss_after_kb"] - e["rss_before_kb"]) * 1024 - e["name_bytes"]) / max(e["results"], 1)
    return {"results": e["results"], "bytes_per_entry_beyond_name": beyond,
            "window_peak_mb": w["peak_kb"] / 1024, "window_seconds": w["seconds"] - w["busy_seconds"],
            "max_stall_ms": w["max_stall_ms"]}


def measure_list(bench, rows, runs):
    """Ctrl+C of every row of a huge list, and Save List As: each in its own process."""
    got = {what: [] for what in ("copy", "save")}
    for _ in range(runs):
        for what in got:
            out = subprocess.run([bench, "list", str(rows), what], check=True, capture_output=True, text=True)
            got[what].append(json.loads(out.stdout.strip().splitlines()[-1]))
    def med(what, key):
        return statistics.median(g[key] for g in got[what])
    return [f"A list of {rows:,} generated rows, median of {runs}:",
            "",
            "| Ctrl+C holds the window | held while on the clipboard | a paste of each form | "
            "left once another program takes it | Save List As | its peak above the list |",
            "|---|---|---|---|---|---|",
            f"| {med('copy', 'copy_ms'):.0f} ms | {med('copy', 'copied_kb') / 1024:.0f} MB | "
            f"{med('copy', 'paste_ms'):.0f} ms | {med('copy', 'left_after_taken_kb') / 1024:.0f} MB | "
            f"{med('save', 'save_ms'):.0f} ms ({med('save', 'csv_bytes') / 1e6:.0f} MB) | "
            f"{med('save', 'save_peak_kb') / 1024:.0f} MB |"]


def machine():
    model = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as f:
        mem_gb = int(f.readline().split()[1]) / 1024 / 1024
    return f"{model}, {os.cpu_count()} cores, {mem_gb:.0f} GiB, Linux {platform.release()}"


def report(measured, mem, runs):
    lines = [f"Machine: {machine()}. Median of {runs} runs (min-max), warm cache.", ""]
    lines.append("| tree | text | results | tool | measured | seconds | spread | vs find | vs fd -j1 |")
    lines.append("|---|---|---|---|---|---|---|---|---|")
    for m in measured:
        m["tree"] = os.path.relpath(m["tree"]) if m["tree"].startswith(os.getcwd() + "/") else m["tree"]
        find_med = statistics.median(m["times"]["find"])
        fd1_med = statistics.median(m["times"]["fd -j1"])
        labels = {"engine": ("Quorrel engine alone", "in process"),
                  "events": ("Quorrel engine + event loop", "in process"),
                  "window": ("Quorrel window (less busy display)", "in process"),
                  "window-busy": ("Quorrel window (press to idle)", "in process"),
                  "engine process": ("quorrel-bench engine", "whole process"),
                  "find": ("find", "whole process"), "fd -j1": ("fdfind -j1", "whole process"),
                  "fd": ("fdfind (default threads)", "whole process")}
        for key, (label, kind) in labels.items():
            med, lo, hi = median_spread(m["times"][key])
            lines.append(f"| {m['tree']} | {m['text']} | {m['results']} | {label} | {kind} | {med:.3f} | "
                         f"{lo:.3f}-{hi:.3f} | {med / find_med:.2f} | {med / fd1_med:.2f} |")
        lines.append(f"| {m['tree']} | | | window: longest event-loop stall {m['max_stall_ms']:.1f} ms, "
                     f"peak memory {m['peak_mb']:.0f} MB | | | | | |")
    lines += ["", "The kernel's own cost (medians): the bare getdents64 walk of the same tree against the engine "
                  "run as a process.", "",
              "| tree | getdents64 walk: system | its wall | engine process: system | user | wall | "
              "engine system / floor |", "|---|---|---|---|---|---|---|"]
    for m in measured:
        k = {key: statistics.median(v) for key, v in m["kernel"].items()}
        lines.append(f"| {m['tree']} | {k['floor system']:.3f} | {k['floor wall']:.3f} | {k['engine system']:.3f} | "
                     f"{k['engine user']:.3f} | {statistics.median(m['times']['engine process']):.3f} | "
                     f"{k['engine system'] / k['floor system']:.2f} |")
    if mem:
        lines += ["", f"Memory, {mem['results']} results: {mem['bytes_per_entry_beyond_name']:.0f} bytes per entry "
                      f"beyond its name (engine); whole window peak {mem['window_peak_mb']:.0f} MB, "
                      f"search {mem['window_seconds']:.2f} s, longest stall {mem['max_stall_ms']:.1f} ms."]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bench", required=True)
    parser.add_argument("--tree", action="append", default=[], help="DIR:TEXT")
    parser.add_argument("--memory-tree", help="DIR:TEXT, a tree where a million names match")
    parser.add_argument("--category-tree", action="append", default=[], help="DIR:TEXT:KIND:INDEX")
    parser.add_argument("--content-tree", action="append", default=[], help="DIR:NAME:TEXT")
    parser.add_argument("--depth-tree", action="append", default=[], help="DIR:TEXT, a chain of nested folders")
    parser.add_argument("--date-tree", action="append", default=[],
                        help="DIR:TEXT:OPTIONS, the options of a search by time and size, blank-separated")
    parser.add_argument("--cold-tree", action="append", default=[], help="DIR:TEXT, timed from dropped caches")
    parser.add_argument("--list-rows", type=int, help="Ctrl+C and Save List As of a list this long")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--scratch", default="/tmp")
    args = parser.parse_args()
    measured = []
    for tree_and_text in args.tree:
        tree, text = tree_and_text.rsplit(":", 1)
        measured.append(measure_tree(args.bench, tree, text, args.runs, args.scratch))
    mem = None
    if args.memory_tree:
        tree, text = args.memory_tree.rsplit(":", 1)
        mem = memory(args.bench, tree, text)
    if measured or mem:
        print(report(measured, mem, args.runs))
    categories = []
    for entry in args.category_tree:
        tree, text, kind, index = entry.rsplit(":", 3)
        categories.append(measure_category(args.bench, tree, text, f"{kind}:{index}", args.runs))
    if categories:
        print(category_report(categories, args.runs))
    contents = []
    for entry in args.content_tree:
        tree, name, text = entry.split(":", 2)
        contents.append(measure_content(args.bench, tree, name, text, args.runs, args.scratch))
    if contents:
        print(content_report(contents, args.runs))
    dates = []
    for entry in args.date_tree:
        tree, text, options = entry.split(":", 2)
        dates.append(measure_date(args.bench, tree, text, options.split(), args.runs))
    if dates:
        print(date_report(dates, args.runs))
    if args.list_rows:
        print("\n".join(measure_list(args.bench, args.list_rows, args.runs)))
    depths = []
    for tree_and_text in args.depth_tree:
        tree, text = tree_and_text.rsplit(":", 1)
        depths.append(measure_depth(args.bench, tree, text, args.runs, args.scratch))
    if depths:
        print(depth_report(depths, args.runs))
    if args.cold_tree and not drop_caches():
        print("\nCold cache: skipped (dropping the kernel's caches needs root).")
    elif args.cold_tree:
        cold = []
        for tree_and_text in args.cold_tree:
            tree, text = tree_and_text.rsplit(":", 1)
            cold.append(measure_cold(args.bench, tree, text, args.runs))
        print(cold_report(cold, args.runs))


if __name__ == "__main__":
    main()
