#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build and has lintian judge it, its
# report printed whole: an error or a warning fails.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
package=("$out"/quorrel_*.deb)
status=0
report="$(lintian --fail-on error,warning --display-info "${package[0]}" 2>&1)" || status=$?
grep -v '^running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || { echo "lintian: status $status"; exit 1; }
echo "1 passed, 0 failed"
