// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>

class QWidget;

// The program's own windows paint their own pictures and fills, so their
// text, buttons and fields take fixed colours too: each reads the same under
// any desktop theme, light or dark. Message boxes and file dialogs, which
// paint nothing of their own, follow the desktop.
namespace WindowPalette {
// Fusion's light palette for the window and everything in it (a fill that is
// valid replaces the window's background).
void apply(QWidget* window, const QColor& fill = QColor());
}  // namespace WindowPalette
