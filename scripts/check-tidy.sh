#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy, with the checks in .clang-tidy, over every .cpp of the
# program (app, engine, platform, ui, windows, shell; not the tests, not the
# bench) that the build's compile_commands.json names. Any finding fails.
# Usage: check-tidy.sh [BUILD_DIR]   (default build/test, made by its preset)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$top/build/test}" && pwd)"
bash "$top/scripts/setup.sh" clang-tidy
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json (configure with a preset)"; exit 1; }
mapfile -t files < <(python3 - "$build/compile_commands.json" "$top" <<'PY'
import json, os, re, sys
top = sys.argv[2]
program = re.compile(re.escape(top) + r"/(app|engine|platform|ui|windows|shell)/[^/]+(/[^/]+)?\.cpp$")
seen = set()
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if program.match(path) and path not in seen:
        seen.add(path)
        print(path)
PY
)
((${#files[@]})) || { echo "tidy: no program files in $build/compile_commands.json"; exit 1; }
# The build's commands are GCC's: clang does not know some of its warning
# options (-Wno-error=restrict), which is no finding.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if printf '%s\0' "${files[@]}" |
  xargs -0 -n 1 -P 2 clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option >"$log" 2>&1; then
  echo "tidy: ${#files[@]} files, no finding"
else
  grep -v -E '^[0-9]+ (warnings?|errors?) (generated|treated as errors)\.$|^Error while processing ' "$log" || true
  echo "tidy: findings above (.clang-tidy lists the checks)"
  exit 1
fi
