// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FirstShowWatch.h"

#include <QEvent>
#include <QWidget>
#include <utility>

FirstShowWatch::FirstShowWatch(QWidget* widget, std::function<void()> shown)
    : QObject(widget), shown_(std::move(shown)) {
  widget->installEventFilter(this);
}

bool FirstShowWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    watched->removeEventFilter(this);
    deleteLater();
    shown_();
  }
  return false;
}
