#pragma once
#include <QPixmap>
#include <QSize>

// The search windows' pictures, drawn in code: the title strip and the two
// button faces.
class WindowArt {
public:
  static QPixmap titleStrip(QSize size);
  static QPixmap normalFace(QSize size);
  static QPixmap pressedFace(QSize size);
};
