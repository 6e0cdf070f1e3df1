#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs check-desktop.py against the real program on a display (Xvfb, or
# weston nested in Xvfb for Wayland), with a session bus and the
# accessibility bus, as a desktop would have them.
# Usage: check-desktop.sh [BUILD_DIR [x11|wayland]]   (default build/release x11)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build/release}"
display="${2:-x11}"
unset QT_QPA_PLATFORM  # Qt picks its platform as on a desktop session
case "$display" in
  x11)
    bash "$top/scripts/setup.sh" xvfb x11-utils x11-apps xdotool xclip dbus at-spi2-core python3-pyatspi python3-dbus
    source "$top/scripts/xvfb.sh"
    ;;
  wayland)
    bash "$top/scripts/setup.sh" xvfb weston qt6-wayland dbus at-spi2-core python3-pyatspi
    source "$top/scripts/weston.sh"
    ;;
  *) echo "usage: $0 [BUILD_DIR [x11|wayland]]"; exit 2 ;;
esac
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  for _ in $(seq 50); do  # until the accessibility bus answers
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  /usr/bin/python3 "$0" "$1" "$2"' "$top/scripts/check-desktop.py" "$build/app/quorrel" "$display"
