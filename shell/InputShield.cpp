// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/InputShield.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

InputShield::InputShield(QWidget* window) : QObject(window), window_(window) {
  QCoreApplication::instance()->installEventFilter(this);  // sees every event, sent or posted
}

bool InputShield::eventFilter(QObject* watched, QEvent* event) {
  if (!event->isInputEvent() && event->type() != QEvent::Shortcut) return false;
  return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window_;
}
