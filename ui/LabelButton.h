// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractButton>

// A caption that acts as a button: a left click on it presses it, and so do
// Space when it has the keyboard focus and Alt with the letter after its "&".
// It is a button to screen readers, named by its caption.
class LabelButton : public QAbstractButton {
  Q_OBJECT
public:
  LabelButton(const QString& caption, QWidget* parent);
  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};
