// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRadioButton>

// An option button whose caption breaks onto more lines where the window is
// narrower than the caption, instead of being cut. Its text stays the caption
// as given, for the keyboard (Alt + letter) and screen readers.
class WrapRadio : public QRadioButton {
  Q_OBJECT
public:
  WrapRadio(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}
  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
  QRect textRect(int width) const;
};
