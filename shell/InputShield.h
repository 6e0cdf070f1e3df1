// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

class QWidget;

// Swallows the user's input (mouse, keys, shortcuts, touch) to one window and
// everything in it for as long as it lives, wherever the input comes from: a
// window that is going away can then run an event loop without a click or a
// key starting anything in it.
class InputShield : public QObject {
public:
  explicit InputShield(QWidget* window);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget* window_;
};
