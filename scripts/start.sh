#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Quorrel in release mode and starts it.
# Arguments are passed to Quorrel (a folder to search in).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bash "$top/scripts/setup.sh"
cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORREL_TESTS=OFF >/dev/null
cmake --build "$top/build/release" --target quorrel
exec "$top/build/release/app/quorrel" "$@"
