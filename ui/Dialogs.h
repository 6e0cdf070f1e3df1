// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMessageBox>
#include <QString>
#include <cstdint>

class Context;

// The modal displays of the program: the busy window, message boxes and the
// file dialog. The
// program uses the desktop's; tests put a recorder in their place, so that
// nothing waits for a click or for seconds of busy display.
class Dialogs {
public:
  virtual ~Dialogs() = default;
  // Shows the busy window with the caption until it closes itself after
  // ticks + 1 of the context's busy ticks.
  virtual void busy(Context& context, std::int16_t ticks, const QString& caption) = 0;
  virtual QMessageBox::StandardButton message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                              QMessageBox::StandardButtons buttons) = 0;
  // The name of a file to write, from the desktop's file dialog; empty when
  // cancelled, and always where no file is ever written (the benchmark).
  virtual QString saveFileName(const QString& /*title*/, const QString& /*suggested*/, const QString& /*filter*/) {
    return {};
  }
};
