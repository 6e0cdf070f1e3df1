#pragma once
#include <QColor>

class QWidget;

// The colours the windows change under the pointer: a caption's text, a
// line's fill.
class WidgetColours {
public:
  static void setText(QWidget* widget, const QColor& colour);
  static void setFill(QWidget* widget, const QColor& colour);
  static QColor text(const QWidget* widget);
};
