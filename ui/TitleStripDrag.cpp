// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TitleStripDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

bool TitleStripDrag::handle(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
  const QPoint pointer = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
  if (type == QEvent::MouseButtonPress) {
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) return true;
    following_ = true;
    grip_ = pointer - window_->frameGeometry().topLeft();
    return true;
  }
  if (type == QEvent::MouseMove && following_) {
    window_->move(pointer - grip_);
    return true;
  }
  if (type == QEvent::MouseButtonRelease) following_ = false;
  return false;
}
