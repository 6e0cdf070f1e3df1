#pragma once
#include <QPixmap>
#include <QSize>

// The shell's pictures, drawn in code at the device's pixel ratio: the
// splash's background, the launcher's background and its entry bars.
class ShellArt {
public:
  static constexpr int kLauncherStripHeight = 34;  // the launcher's title strip, in pixels
  static QPixmap splashBackground(QSize size, qreal ratio);
  static QPixmap launcherBackground(QSize size, qreal ratio);
  static QPixmap entryBar(QSize size, int entry, qreal ratio);
};
