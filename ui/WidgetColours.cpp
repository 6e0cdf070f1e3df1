// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WidgetColours.h"

#include <QWidget>

void WidgetColours::setText(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

void WidgetColours::setFill(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
}

QColor WidgetColours::text(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }
