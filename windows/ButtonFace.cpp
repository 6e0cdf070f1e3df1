// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ButtonFace.h"

#include "windows/WindowArt.h"

ButtonFace::ButtonFace(QWidget* parent) : QLabel(parent) { setFrameShape(QFrame::NoFrame); }

void ButtonFace::showPressed(bool pressed) {
  pressed_ = pressed;
  refresh();
}

void ButtonFace::setBordered(bool bordered) {
  bordered_ = bordered;
  setFrameShape(bordered ? QFrame::Box : QFrame::NoFrame);
  setLineWidth(1);
}

void ButtonFace::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  refresh();
}

void ButtonFace::refresh() { setPixmap(pressed_ ? WindowArt::pressedFace(size()) : WindowArt::normalFace(size())); }
