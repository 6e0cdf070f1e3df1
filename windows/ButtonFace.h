// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>

// The picture box behind a label button: the normal or the pressed face, with
// or without a single-line border, redrawn to its size. The window decides
// which, by its looks.
class ButtonFace : public QLabel {
  Q_OBJECT
public:
  explicit ButtonFace(QWidget* parent);
  void showPressed(bool pressed);
  void setBordered(bool bordered);
  bool isShowingPressed() const { return pressed_; }
  bool isBordered() const { return bordered_; }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void refresh();
  bool pressed_ = false;
  bool bordered_ = false;
};
