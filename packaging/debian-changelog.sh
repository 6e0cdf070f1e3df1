#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes CHANGELOG.md as a Debian changelog: each "## VERSION (WHEN)" heading
# is an entry, each "- " item a "  * " line and its indented continuation a
# "    " line, and WHEN the entry's date in the form Debian reads.
# Usage: debian-changelog.sh CHANGELOG.md PACKAGE "NAME <MAIL>" > changelog
set -euo pipefail
changelog="$1" package="$2" maintainer="$3"
when=""
sign() { printf '\n -- %s  %s\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$when")"; }
while IFS= read -r line; do
  if [[ "$line" =~ ^##\ ([^ ]+)\ \((.+)\)$ ]]; then
    [ -z "$when" ] || { sign; echo; }
    when="${BASH_REMATCH[2]}"
    printf '%s (%s) unstable; urgency=medium\n\n' "$package" "${BASH_REMATCH[1]}"
  elif [ -n "$when" ] && [[ "$line" =~ ^-\ (.*)$ ]]; then
    printf '  * %s\n' "${BASH_REMATCH[1]}"
  elif [ -n "$when" ] && [[ "$line" =~ ^\ \ (.+)$ ]]; then
    printf '    %s\n' "${BASH_REMATCH[1]}"
  fi
done <"$changelog"
[ -n "$when" ] || { echo "$changelog: no release heading" >&2; exit 1; }
sign
