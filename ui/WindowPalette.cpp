// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPalette.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <memory>

void WindowPalette::apply(QWidget* window, const QColor& fill) {
  // Fusion's own palette, not the style's: the desktop's style may take the theme's.
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  QPalette palette = fusion->standardPalette();
  if (fill.isValid()) palette.setColor(QPalette::Window, fill);
  window->setPalette(palette);  // children take it, except the colours they set themselves
}
