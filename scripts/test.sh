#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Quorrel and its tests, and runs every test
# headless. With --sanitize, the build uses AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer; with --thread,
# ThreadSanitizer, for the suites whose code runs threads (the walk and its
# read-ahead, the file system).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
flavour=test
options=(-DCMAKE_BUILD_TYPE=Release)
targets=()
selection=()
if [ "${1:-}" = "--sanitize" ]; then
  flavour=sanitize
  # -O0: at -O2 GCC's AddressSanitizer misses some reads of freed objects.
  options=(-DCMAKE_BUILD_TYPE=Debug -DQUORREL_SANITIZE=ON)
elif [ "${1:-}" = "--thread" ]; then
  flavour=thread
  options=(-DCMAKE_BUILD_TYPE=Debug -DQUORREL_THREAD_SANITIZE=ON)
  targets=(--target tst_folderwalk tst_content tst_filesystem)
  selection=(-R "^(tst_folderwalk|tst_content|tst_filesystem)$")
  export TSAN_OPTIONS="suppressions=$top/tests/tsan.supp halt_on_error=1"
fi
bash "$top/scripts/setup.sh" lintian  # lintian judges the package
build="$top/build/$flavour"
cmake -S "$top" -B "$build" -G Ninja "${options[@]}" -DQUORREL_TESTS=ON >/dev/null
cmake --build "$build" "${targets[@]}"
[ "$flavour" = thread ] || bash "$top/scripts/check-layers.sh" "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "${selection[@]}"
