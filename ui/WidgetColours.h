// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>

class QWidget;

// The colours the windows change under the pointer: a caption's text, a
// line's fill.
namespace WidgetColours {
void setText(QWidget* widget, const QColor& colour);
void setFill(QWidget* widget, const QColor& colour);
QColor text(const QWidget* widget);
}  // namespace WidgetColours
