// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ShellArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace {
QPixmap canvas(QSize size, qreal ratio) {
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// A magnifying glass: the program's mark.
void drawLens(QPainter& p, QPointF centre, qreal radius, QColor rim) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glass(centre - QPointF(radius / 3, radius / 3), radius * 1.2);
  glass.setColorAt(0, QColor(255, 255, 255, 150));
  glass.setColorAt(1, QColor(160, 210, 255, 40));
  p.setBrush(glass);
  p.setPen(QPen(rim, radius / 5));
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(rim, radius / 3.2, Qt::SolidLine, Qt::RoundCap));
  const QPointF handle = centre + QPointF(radius * 0.72, radius * 0.72);
  p.drawLine(handle, handle + QPointF(radius * 0.75, radius * 0.75));
  p.restore();
}
}  // namespace

QPixmap ShellArt::splashBackground(QSize size, qreal ratio) {
  QPixmap pixmap = canvas(size, ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, size.width(), size.height());
  sky.setColorAt(0, QColor(214, 232, 250));
  sky.setColorAt(0.55, QColor(120, 168, 222));
  sky.setColorAt(1, QColor(22, 58, 118));
  p.fillRect(QRect(QPoint(0, 0), size), sky);
  // Folders receding to the right, as the search walks them.
  for (int i = 0; i < 6; ++i) {
    const qreal scale = 1.0 - i * 0.12;
    const QRectF body(size.width() * (0.60 + i * 0.055), size.height() * (0.66 - i * 0.035), 100 * scale, 70 * scale);
    p.setPen(QPen(QColor(150, 100, 10, 200 - i * 25), 1.5));
    p.setBrush(QColor(255, 208, 80, 220 - i * 30));
    p.drawRoundedRect(body.adjusted(0, -10 * scale, -60 * scale, -body.height() + 4 * scale), 3, 3);
    p.drawRoundedRect(body, 5, 5);
  }
  drawLens(p, QPointF(size.width() * 0.86, size.height() * 0.56), size.height() * 0.11, QColor(20, 40, 80));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRect(QRectF(0, size.height() - 46, size.width(), 46));
  return pixmap;
}

QPixmap ShellArt::launcherBackground(QSize size, qreal ratio) {
  QPixmap pixmap = canvas(size, ratio);
  QPainter p(&pixmap);
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, QColor(230, 238, 248));
  fill.setColorAt(1, QColor(170, 192, 222));
  p.fillRect(QRect(QPoint(0, 0), size), fill);
  QLinearGradient strip(0, 0, size.width(), 0);
  strip.setColorAt(0, QColor(16, 42, 92));
  strip.setColorAt(1, QColor(74, 146, 226));
  p.fillRect(QRect(0, 0, size.width(), kLauncherStripHeight), strip);
  p.setPen(QPen(QColor(60, 90, 140), 1));
  p.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
  return pixmap;
}

QPixmap ShellArt::entryBar(QSize size, int entry, qreal ratio) {
  static const QColor hues[] = {QColor(64, 140, 220),  QColor(80, 170, 120), QColor(200, 110, 60), QColor(150, 90, 190),
                                QColor(120, 120, 120), QColor(70, 150, 170), QColor(190, 70, 80)};
  const QColor hue = hues[std::abs(entry) % 7];
  QPixmap pixmap = canvas(size, ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, hue.lighter(175));
  fill.setColorAt(0.5, hue.lighter(140));
  fill.setColorAt(1, hue.lighter(115));
  p.setPen(QPen(hue.darker(130), 1));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 8, 8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawRoundedRect(QRectF(3, 2, size.width() - 6, size.height() / 2.4), 6, 6);
  drawLens(p, QPointF(size.height() * 0.42, size.height() * 0.42), size.height() * 0.16, hue.darker(200));
  return pixmap;
}
