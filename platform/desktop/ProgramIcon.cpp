// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/ProgramIcon.h"

// The icon theme's, so that a theme may draw its own; else the picture the
// package installs, built in, which also serves a program run where it was
// built or installed where the theme does not look.
QIcon ProgramIcon::find() {
  return QIcon::fromTheme(QStringLiteral("quorrel"), QIcon(QStringLiteral(":/icons/quorrel.svg")));
}
