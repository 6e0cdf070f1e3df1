#!/usr/bin/env bash
# Takes the README's pictures of the splash, the transparency question, the
# launcher and the command-line window from the real program under Xvfb.
# Usage: screenshots.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build/release}"
bash "$top/scripts/setup.sh" xvfb xdotool imagemagick
source "$top/scripts/xvfb.sh"
config="$(mktemp -d)"
export XDG_CONFIG_HOME="$config"

shoot() {  # window name, file[, seconds to let it settle]: waits for the window, then takes it
  local id=""
  for _ in $(seq 50); do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)" && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no window $1"; exit 1; }
  sleep "${3:-1}"  # painted, and past its "Transforming..." display
  import -window "$id" "$top/docs/$2"
  echo "$id"
}

"$build/app/quorrel" &
program=$!
sleep 1.2
shoot '^Quorrel$' splash.png 0.1 >/dev/null
question="$(shoot '^Transperancy$' question.png)"
xdotool key --window "$question" alt+n
shoot '^Quorrel$' launcher.png >/dev/null
kill "$program"

"$build/app/quorrel" /usr/share/doc &
program=$!
question="$(shoot '^Transperancy$' question.png)"
xdotool key --window "$question" alt+n
shoot '^Select Action$' select-action.png >/dev/null
kill "$program"
echo "docs/splash.png docs/question.png docs/launcher.png docs/select-action.png"
