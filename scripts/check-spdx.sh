#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the source files of the program, its tests, bench, scripts and build
# that lack the licence line near the top, and fails if there are any. With
# --fix, adds it as the first line (after a shebang): "//" for C++, "#" else.
set -euo pipefail
cd "$(dirname "$0")/.."
line='SPDX-License-Identifier: GPL-3.0-or-later'
mapfile -t files < <(git ls-files -co --exclude-standard -- app engine platform ui windows shell tests bench scripts \
  packaging data .ci CMakeLists.txt | grep -E '(\.(cpp|h|sh|py|cmake)|CMakeLists\.txt|^\.ci/run)$')
missing=()
for f in "${files[@]}"; do head -n 5 "$f" | grep -qF "$line" || missing+=("$f"); done
if [ "${1:-}" = "--fix" ]; then
  for f in "${missing[@]}"; do
    case "$f" in *.cpp | *.h) mark="//" ;; *) mark="#" ;; esac
    if head -n 1 "$f" | grep -q '^#!'; then sed -i "1a $mark $line" "$f"; else sed -i "1i $mark $line" "$f"; fi
  done
  echo "spdx: added to ${#missing[@]} files"
elif ((${#missing[@]})); then
  printf '%s\n' "${missing[@]}"
  echo "spdx: ${#missing[@]} of ${#files[@]} files lack \"$line\""
  exit 1
else
  echo "spdx: ${#files[@]} files carry \"$line\""
fi
