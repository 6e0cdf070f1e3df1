// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QPixmap>

class LabelButton;

// Labels that show the program's drawn art, redrawn to their size.

// The picture box behind a label button: the normal or the pressed face, with
// or without a single-line border. The window decides which, by its looks.
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

// One entry of the launcher: a bar with its picture and, across its width,
// the entry's caption, which is the button. The bar gets a border when the
// pointer is over it.
class EntryBar : public QLabel {
  Q_OBJECT
public:
  EntryBar(int entry, const QString& caption, qreal pointSize, QWidget* parent);
  void setHighlighted(bool on);
  bool isHighlighted() const { return frameShape() == QFrame::Box; }
  LabelButton* label;

protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  int entry_;
};
