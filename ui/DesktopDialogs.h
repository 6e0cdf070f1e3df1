// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointer>

#include "ui/Dialogs.h"

class BusyWindow;

// The real busy window, the desktop's message boxes and its file dialog.
class DesktopDialogs final : public Dialogs {
public:
  void busy(Context& context, std::int16_t ticks, const QString& caption) override;
  QMessageBox::StandardButton message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                      QMessageBox::StandardButtons buttons) override;
  QString saveFileName(const QString& title, const QString& suggested, const QString& filter) override;

  BusyWindow* openBusyWindow() const;

private:
  QPointer<BusyWindow> busyWindow_;  // the one open, if any
};
