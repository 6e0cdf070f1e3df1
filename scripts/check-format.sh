#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the program's files are formatted as .clang-format says.
# With --fix, formats them instead.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bash "$top/scripts/setup.sh" clang-format
cd "$top"
mapfile -t files < <(git ls-files -co --exclude-standard app engine platform ui windows shell | grep -E '\.(cpp|h)$')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
  echo "format: ${#files[@]} files as .clang-format says"
fi
