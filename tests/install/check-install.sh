#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a desktop reads:
# the program, the menu entry (offered for folders), the icon, the metainfo,
# the translations, and the manual page, which man must render without a
# warning.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quorrel share/applications/quorrel.desktop share/icons/hicolor/scalable/apps/quorrel.svg \
         share/metainfo/org.quorrel.Quorrel.metainfo.xml share/man/man1/quorrel.1.gz \
         share/quorrel/translations/quorrel_de.qm; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/quorrel.desktop"
grep -qx 'MimeType=inode/directory;' "$prefix/share/applications/quorrel.desktop"
grep -qx 'Exec=quorrel %f' "$prefix/share/applications/quorrel.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quorrel.Quorrel.metainfo.xml" >/dev/null
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/quorrel.1.gz" 2>&1 >/dev/null)"
[ -z "$warnings" ] || { echo "man: $warnings"; exit 1; }
echo "1 passed, 0 failed"
