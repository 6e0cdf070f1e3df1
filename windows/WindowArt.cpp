// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/WindowArt.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
QPixmap face(QSize size, QColor top, QColor bottom, QColor edge) {
  QPixmap pixmap(size.isEmpty() ? QSize(1, 1) : size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 0, pixmap.height());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.setPen(QPen(edge, 1));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  return pixmap;
}
}  // namespace

QPixmap WindowArt::titleStrip(QSize size) {
  QPixmap pixmap(size.isEmpty() ? QSize(1, 1) : size);
  QPainter p(&pixmap);
  QLinearGradient fill(0, 0, pixmap.width(), 0);
  fill.setColorAt(0, QColor(16, 42, 92));
  fill.setColorAt(1, QColor(74, 146, 226));  // light enough under the "X" for a black one
  p.fillRect(pixmap.rect(), fill);
  p.setPen(QColor(255, 255, 255, 60));
  p.drawLine(0, 0, pixmap.width(), 0);
  p.setPen(QColor(0, 0, 0, 90));
  p.drawLine(0, pixmap.height() - 1, pixmap.width(), pixmap.height() - 1);
  return pixmap;
}

QPixmap WindowArt::normalFace(QSize size) {
  return face(size, QColor(250, 250, 252), QColor(214, 222, 234), QColor(120, 136, 160));
}

QPixmap WindowArt::pressedFace(QSize size) {
  return face(size, QColor(190, 202, 222), QColor(226, 232, 242), QColor(70, 90, 130));
}
