# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need an X display: starts Xvfb on a free
# display, waits until it takes connections, exports DISPLAY (and an X11
# session, so that Qt does not look for Wayland) and stops it on exit. The
# server does not reset when its last client leaves: a program started just
# then could not connect.
xvfb_log="$(mktemp)"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 3>"$xvfb_log" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -f "$xvfb_log"' EXIT
for _ in $(seq 100); do
  [ -s "$xvfb_log" ] && break
  sleep 0.1
done
[ -s "$xvfb_log" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -1 "$xvfb_log")" XDG_SESSION_TYPE=x11
unset WAYLAND_DISPLAY
