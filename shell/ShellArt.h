// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPixmap>
#include <QSize>

// The shell's pictures, drawn in code rather than shipped as files, at the
// device's pixel ratio: the splash's background, the launcher's background
// and its entry bars.
namespace ShellArt {
inline constexpr int kLauncherStripHeight = 34;  // the launcher's title strip, in pixels
QPixmap splashBackground(QSize size, qreal ratio);
QPixmap launcherBackground(QSize size, qreal ratio);
QPixmap entryBar(QSize size, int entry, qreal ratio);
}  // namespace ShellArt
