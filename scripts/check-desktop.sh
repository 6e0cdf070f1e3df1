#!/usr/bin/env bash
# Runs check-desktop.py against the real program under Xvfb, with a session
# bus and the accessibility bus, as a desktop would have them.
# Usage: check-desktop.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build/release}"
bash "$top/scripts/setup.sh" xvfb dbus at-spi2-core python3-pyatspi
source "$top/scripts/xvfb.sh"
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  for _ in $(seq 50); do  # until the accessibility bus answers
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  /usr/bin/python3 "$0" "$1"' "$top/scripts/check-desktop.py" "$build/app/quorrel"
