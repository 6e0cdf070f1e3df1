#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the tests' share of the code: non-blank lines of C++ under tests/
# (support and fuzz targets included) against the program's own folders.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -co --exclude-standard -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -cve '^[[:space:]]*$'; }
tests=$(count tests)
program=$(count app engine platform ui windows shell)
awk -v t="$tests" -v p="$program" 'BEGIN { printf "tests %d, program %d, share %.2f\n", t, p, t / p }'
