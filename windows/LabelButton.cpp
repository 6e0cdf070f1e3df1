#include "windows/LabelButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

LabelButton::LabelButton(const QString& caption, QWidget* parent)
    : QLabel(caption, parent), shortcut_(new QShortcut(this)) {
  setAlignment(Qt::AlignCenter);
  setAttribute(Qt::WA_TranslucentBackground);
  setCursor(Qt::PointingHandCursor);
  shortcut_->setContext(Qt::WindowShortcut);
  connect(shortcut_, &QShortcut::activated, this, &LabelButton::clicked);
  setCaption(caption);
}

void LabelButton::setCaption(const QString& caption) {
  setText(caption);
  shortcut_->setKey(QKeySequence::mnemonic(caption));
}

void LabelButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.setFont(font());
  p.drawText(contentsRect(), int(alignment()) | Qt::TextShowMnemonic, text());
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT pressed();
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT released();
  if (rect().contains(event->position().toPoint())) Q_EMIT clicked();
}
