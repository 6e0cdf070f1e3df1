#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that no layer includes a higher one, that each lower layer links
# nothing of a higher one, and that the engine's tests link no GUI.
# Layers, lowest first: platform/core and platform/documents, then engine and platform/desktop,
# then ui (what every window uses), then windows (the search windows), then
# shell (the windows that open them); app, tests and bench stand above all.
# Usage: check-layers.sh [BUILD_DIR]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-}"
status=0

allowed() {  # the folders a layer may include from
  case "$1" in
    platform/core) echo "platform/core" ;;
    platform/documents) echo "platform/documents" ;;
    platform/desktop) echo "platform/core platform/desktop" ;;
    engine) echo "platform/core platform/documents engine" ;;
    ui) echo "platform/core platform/documents platform/desktop engine ui" ;;
    windows) echo "platform/core platform/documents platform/desktop engine ui windows" ;;
    shell) echo "platform/core platform/documents platform/desktop engine ui windows shell" ;;
  esac
}

for layer in platform/core platform/documents platform/desktop engine ui windows shell; do
  ok=" $(allowed "$layer") "
  while IFS= read -r line; do
    file="${line%%:*}"
    target="$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")"
    folder="$(dirname "$target")"
    [ "$folder" = "." ] && continue
    if [[ "$ok" != *" $folder "* ]]; then
      echo "layering: $file includes $target (a $layer file may include only: $(allowed "$layer"))"
      status=1
    fi
  done < <(grep -rnE '^#include "' "$top/$layer" --include='*.h' --include='*.cpp' | sed "s#^$top/##")
done

if grep -rnE '#include <Q(Widget|Icon|Pixmap|Image|Painter|Color|Font|Application|GuiApplication)\b' \
    "$top/engine" "$top/platform/core" "$top/platform/documents"; then
  echo "layering: the engine and platform core use QtCore only"
  status=1
fi

if [ -n "$build" ]; then
  for test in tst_casefold tst_folderwalk tst_documents tst_filesystem tst_settings; do
    if ldd "$build/tests/$test" | grep -qE 'libQt6(Gui|Widgets)'; then
      echo "layering: $test links a GUI library"
      status=1
    fi
  done
fi

[ "$status" -eq 0 ] && echo "layering: every layer includes and links only what is below it"
exit "$status"
