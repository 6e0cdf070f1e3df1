// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <functional>

class QWidget;

// Calls shown once, when the widget is first shown, then leaves it: the
// widget needs no show handler of its own.
class FirstShowWatch : public QObject {
public:
  FirstShowWatch(QWidget* widget, std::function<void()> shown);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<void()> shown_;
};
