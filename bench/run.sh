#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmark, generates its trees once (kept in bench/out/ for later
# runs) and times Quorrel against find and fd. Prints one Markdown table.
#   bash bench/run.sh            /usr and the generated trees
#   RUNS=9 bash bench/run.sh     more runs
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bash "$top/scripts/setup.sh" fd-find ripgrep python3
build="$top/build/release"
(cd "$top" && cmake --preset release >/dev/null)  # build/release, as scripts/start.sh
cmake --build "$build" --target quorrel-bench >/dev/null
bench="$build/bench/quorrel-bench"
out="$top/bench/out"
mkdir -p "$out"
if [ ! -d "$out/tree-200k" ]; then
  "$bench" gen "$out/tree-200k" --seed 1 --folders 20000 --files 10 --depth 8 --big 10000 >/dev/null
fi
if [ ! -d "$out/tree-1m" ]; then
  "$bench" gen "$out/tree-1m" --seed 2 --folders 2000 --files 540 --depth 4 --match-all conf >/dev/null
fi
if [ ! -d "$out/flat-200k" ]; then  # one folder of 200,000 matching files: how long the window stalls inside it
  "$bench" gen-flat "$out/flat-200k" 200000 conf >/dev/null
fi
for depth in 10000 20000; do  # chains of nested folders: what a folder costs at depth
  if [ ! -d "$out/chain-$depth" ]; then
    "$bench" gen-chain "$out/chain-$depth" "$depth" conf >/dev/null
  fi
done
if [ ! -d "$out/content/prose" ]; then  # made again when an older layout is there
  rm -rf "$out/content"
  "$bench" gen-content "$out/content" --seed 3 >/dev/null
fi
python3 "$top/bench/check-content.py" "$bench" >&2
python3 "$top/bench/check-categories.py" "$bench" /usr multimedia:4 office:3 >&2
python3 "$top/bench/check-categories.py" "$bench" "$out/tree-200k" multimedia:0 office:7 >&2
python3 "$top/bench/check-dates.py" "$bench" >&2
python3 "$top/bench/run.py" --bench "$bench" --runs "${RUNS:-5}" --scratch "$out" \
  --tree /usr:conf --tree "$out/tree-200k:conf" --tree "$out/flat-200k:conf" --memory-tree "$out/tree-1m:conf" \
  --list-rows 1000000 \
  --date-tree "/usr:conf:--after 2020-01-01 --min-size 1024" --date-tree "/usr:conf:--time created --within 52w" \
  --category-tree "/usr:con:multimedia:4" --category-tree "/usr:con:office:3" \
  --category-tree "$out/tree-200k:con:multimedia:0" --category-tree "$out/tree-200k:con:office:7" \
  --content-tree "$out/content/dense:data:zanzibar" --content-tree "$out/content/dense:data:zanzibar harbour" \
  --content-tree "$out/content/dense:data:yellowhammer" \
  --content-tree "$out/content/prose:data:zanzibar" --content-tree "$out/content/prose:data:zanzibar harbour" \
  --content-tree "$out/content/prose:data:yellowhammer" \
  --content-tree "$out/content/mixed:data:zanzibar harbour" --content-tree "$out/content/mixed:data:yellowhammer" \
  --content-tree "$out/content/sparse:data:zanzibar harbour" \
  --content-tree "/usr/share/doc:copyright:gpl" \
  --depth-tree "$out/chain-10000:conf" --depth-tree "$out/chain-20000:conf" \
  --cold-tree /usr:conf --cold-tree "$out/tree-200k:conf"
