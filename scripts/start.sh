#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Quorrel in release mode (the release preset,
# build/release) and starts it. Arguments are passed to Quorrel (a folder to
# search in).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bash "$top/scripts/setup.sh"
(cd "$top" && cmake --preset release >/dev/null && cmake --build --preset release)
exec "$top/build/release/app/quorrel" "$@"
