#!/usr/bin/env bash
# Runs check-desktop.py against the real program under Xvfb, with a session
# bus and the accessibility bus, as a desktop would have them.
# Usage: check-desktop.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build/release}"
bash "$top/scripts/setup.sh" xvfb dbus at-spi2-core python3-pyatspi
display=:58
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY="$display" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  sleep 1
  /usr/bin/python3 "$0" "$1"' "$top/scripts/check-desktop.py" "$build/app/quorrel"
