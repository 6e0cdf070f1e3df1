#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop reads:
# the program, the menu entry (offered for folders), the icon, the metainfo.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quorrel share/applications/quorrel.desktop share/icons/hicolor/scalable/apps/quorrel.svg \
         share/metainfo/org.quorrel.Quorrel.metainfo.xml; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/quorrel.desktop"
grep -qx 'MimeType=inode/directory;' "$prefix/share/applications/quorrel.desktop"
grep -qx 'Exec=quorrel %f' "$prefix/share/applications/quorrel.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quorrel.Quorrel.metainfo.xml" >/dev/null
echo "1 passed, 0 failed"
