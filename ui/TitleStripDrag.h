// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPoint>

class QEvent;
class QWidget;

// Moves a borderless window by its title strip, as a title bar would: a left
// press hands the move to the window system where it can (a window manager,
// a Wayland compositor); elsewhere the window follows the pointer until the
// button is released. The window passes on the mouse events of its strip.
class TitleStripDrag {
public:
  explicit TitleStripDrag(QWidget* window) : window_(window) {}
  // True when the event was the drag's and is to go no further.
  bool handle(QEvent* event);

private:
  QWidget* window_;
  QPoint grip_;  // the pointer's offset from the window's corner
  bool following_ = false;
};
