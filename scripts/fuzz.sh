#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a while, from the
# seeds in tests/fuzz/corpus (new finds stay in the build folder).
# Usage: fuzz.sh [SECONDS_PER_TARGET]   (default 20)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
bash "$top/scripts/setup.sh" clang libclang-rt-14-dev
build="$top/build/fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORREL_FUZZ=ON \
  -DQUORREL_TESTS=OFF >/dev/null
targets=(nametest pattern content display xmltext archive)
cmake --build "$build" --target "${targets[@]/#/fuzz_}"
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    "$build/corpus/$t" "$top/tests/fuzz/corpus/$t" 2>"$build/fuzz_$t.log" ||
    { tail -40 "$build/fuzz_$t.log"; echo "fuzz_$t: FAILED"; exit 1; }
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz_$t.log" | grep -o '[0-9]*$')
  echo "fuzz_$t: ${runs:-?} inputs, no fault"
done
