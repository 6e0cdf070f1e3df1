// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>

// The program's icon, for the window manager and the task bar.
namespace ProgramIcon {
QIcon find();
}
