#!/usr/bin/env bash
# Installs what is missing, builds Quorrel and its tests, and runs every test
# headless. With --sanitize, the build uses AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
flavour=test
options=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  flavour=sanitize
  # -O0: at -O2 GCC's AddressSanitizer misses some reads of freed objects.
  options=(-DCMAKE_BUILD_TYPE=Debug -DQUORREL_SANITIZE=ON)
fi
bash "$top/scripts/setup.sh"
build="$top/build/$flavour"
cmake -S "$top" -B "$build" -G Ninja "${options[@]}" -DQUORREL_TESTS=ON >/dev/null
cmake --build "$build"
bash "$top/scripts/check-layers.sh" "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
