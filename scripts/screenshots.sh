#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of the splash, the transparency question, the
# launcher, the command-line window, a result's menu and the date window from the real
# program under Xvfb.
# Usage: screenshots.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build/release}"
bash "$top/scripts/setup.sh" xvfb xdotool imagemagick
source "$top/scripts/xvfb.sh"
config="$(mktemp -d)"
export XDG_CONFIG_HOME="$config"

window() {  # window name: waits for it, then prints its id
  local id=""
  for _ in $(seq 50); do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)" && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no window $1" >&2; exit 1; }
  echo "$id"
}

shoot() {  # window name, file[, seconds to let it settle]: waits for the window, then takes it
  local id
  id="$(window "$1")"
  sleep "${3:-1}"  # painted, and past its "Transforming..." display
  import -window "$id" "$top/docs/$2"
  echo "$id"
}

choose() {  # y of a choice in "Select Action", its window's name: starts in /usr/share/doc, double-clicks it
  "$build/app/quorrel" /usr/share/doc &
  program=$!
  local question select
  question="$(window "^${question_title:-Transperancy}\$")"
  sleep 1
  xdotool key --window "$question" alt+n
  select="$(window "^${select_title:-Select Action}\$")"
  sleep 1
  xdotool mousemove --window "$select" 60 "$1" click --repeat 2 --delay 100 1
  search="$(window "$2")"
  sleep 1
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

# A search for "copyright" in /usr/share/doc, the third row's menu from the Menu key.
choose 85 '^All Files$'
xdotool windowfocus --sync "$search"
xdotool mousemove --window "$search" 280 68 click 1  # into the name field
xdotool type copyright
xdotool key Return
sleep 3  # the busy display, then the search
xdotool key Down Down Down Menu
sleep 1
eval "$(xdotool getwindowgeometry --shell "$search")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$top/docs/result-menu.png"
kill "$program"
# Search By Date: files in /usr/share/doc named "changelog", of any time,
# at least 8 KB, chosen from the keyboard.
choose 232 '^Search By Date$'
xdotool windowfocus --sync "$search"
xdotool type changelog
xdotool key Tab Tab Tab End Tab space Tab 8 Tab K Return
sleep 3
shoot '^Search By Date$' date-window.png 0.5 >/dev/null
kill "$program"
# The launcher and the date window in German.
export LANGUAGE=de
question_title=Transparenz select_title="Aktion wählen"
"$build/app/quorrel" &
program=$!
question="$(window '^Transparenz$')"
sleep 1
xdotool key --window "$question" alt+n
shoot '^Quorrel$' launcher-de.png >/dev/null
kill "$program"
choose 232 '^Suche nach Datum$'
xdotool windowfocus --sync "$search"
xdotool type changelog
xdotool key Tab Tab Tab End Tab space Tab 8 Tab K Return
sleep 3
shoot '^Suche nach Datum$' date-window-de.png 0.5 >/dev/null
kill "$program"
unset LANGUAGE
echo "docs/splash.png docs/question.png docs/launcher.png docs/select-action.png docs/result-menu.png docs/date-window.png"
echo "docs/launcher-de.png docs/date-window-de.png"
