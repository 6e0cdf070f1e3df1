#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Quorrel and its tests, and runs every test
# headless. With --sanitize, the build uses AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer; with --thread,
# ThreadSanitizer, for the suites whose code runs threads (the walk and its
# read-ahead, the file system, the document reader). Each is a preset of
# CMakePresets.json (test, sanitize, thread; build/<preset>), as an editor
# would build it. With QUORREL_WERROR=ON in the environment (CI), a warning
# in the program's own code fails the build.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
flavour=test
if [ "${1:-}" = "--sanitize" ]; then
  flavour=sanitize
elif [ "${1:-}" = "--thread" ]; then
  flavour=thread
fi
bash "$top/scripts/setup.sh" lintian  # lintian judges the package
cd "$top"
cmake --preset "$flavour" -DQUORREL_WERROR="${QUORREL_WERROR:-OFF}" >/dev/null
cmake --build --preset "$flavour"
[ "$flavour" = thread ] || bash "$top/scripts/check-layers.sh" "build/$flavour"
ctest --preset "$flavour" -j "$(nproc)"
