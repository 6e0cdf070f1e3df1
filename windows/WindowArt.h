// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPixmap>
#include <QSize>

// The search windows' pictures, drawn in code rather than shipped as files:
// the title strip and the two button faces.
namespace WindowArt {
QPixmap titleStrip(QSize size);
QPixmap normalFace(QSize size);
QPixmap pressedFace(QSize size);
}  // namespace WindowArt
