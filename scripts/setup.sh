#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Quorrel needs on Debian 12, if
# anything is missing. Quick and silent when everything is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libglib2.0-dev libxcb1-dev libarchive-dev libpoppler-cpp-dev zlib1g-dev
  shared-mime-info libqt6svg6 adwaita-icon-theme fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream
  dbus-daemon python3
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
