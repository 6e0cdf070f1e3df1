# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need a Wayland display: starts weston inside an
# Xvfb display, on a socket in a runtime folder of its own, waits until it
# takes connections, exports a Wayland session (and no X display) and stops
# both on exit. Weston's headless backend offers no seat, which no desktop
# lacks and which Qt 6.4's Wayland client does not survive (it crashes drawing
# the cursor of a focused text field); nested in X, weston has a keyboard
# and a pointer.
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
weston_runtime="$(mktemp -d)"
chmod 700 "$weston_runtime"
export XDG_RUNTIME_DIR="$weston_runtime" WAYLAND_DISPLAY=wayland-check
weston --backend=x11-backend.so --use-pixman --width=1280 --height=1000 --socket="$WAYLAND_DISPLAY" \
  --idle-time=0 --no-config >"$weston_runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; rm -rf "$weston_runtime"; kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -f "$xvfb_log"' EXIT
for _ in $(seq 100); do  # the desktop shell is up once weston has started its client
  grep -q "launching '.*weston-desktop-shell'" "$weston_runtime/weston.log" && [ -S "$weston_runtime/$WAYLAND_DISPLAY" ] && break
  sleep 0.1
done
[ -S "$weston_runtime/$WAYLAND_DISPLAY" ] || { echo "weston did not start:"; cat "$weston_runtime/weston.log"; exit 1; }
export XDG_SESSION_TYPE=wayland
unset DISPLAY
