// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPixmap>
#include <QSize>

// The program's pictures, drawn in code rather than shipped as files.

// The search windows': the title strip and the two button faces.
namespace WindowArt {
QPixmap titleStrip(QSize size);
QPixmap normalFace(QSize size);
QPixmap pressedFace(QSize size);
}  // namespace WindowArt

// The shell's, at the device's pixel ratio: the splash's background, the
// launcher's background and its entry bars.
namespace ShellArt {
inline constexpr int kLauncherStripHeight = 34;  // the launcher's title strip, in pixels
QPixmap splashBackground(QSize size, qreal ratio);
QPixmap launcherBackground(QSize size, qreal ratio);
QPixmap entryBar(QSize size, int entry, qreal ratio);
}  // namespace ShellArt
