// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>

class LabelButton;

// One entry of the launcher: a bar with its picture, redrawn to its size,
// and, across its width, the entry's caption, which is the button. The bar
// gets a border when the pointer is over it.
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
