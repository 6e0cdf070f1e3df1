// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LabelButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

LabelButton::LabelButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);  // also sets Alt + the letter after "&"
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_TranslucentBackground);
}

QSize LabelButton::sizeHint() const { return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(8, 4); }

void LabelButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.setFont(font());
  p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
  }
}

// Only a left click presses; other buttons end here rather than on the picture below.
void LabelButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QAbstractButton::mousePressEvent(event);
  else event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QAbstractButton::mouseReleaseEvent(event);
  else event->accept();
}

// The pointer over a label is over the label, not over what lies beneath it.
void LabelButton::mouseMoveEvent(QMouseEvent* event) {
  QAbstractButton::mouseMoveEvent(event);
  event->accept();
}
