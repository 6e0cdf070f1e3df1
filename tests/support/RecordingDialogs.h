// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "ui/Dialogs.h"

// Records busy displays and message texts instead of showing them, and
// answers message boxes with a chosen button and save dialogs with a file. An
// action may run inside a busy display, where the real one would let timers
// and other windows run.
class RecordingDialogs final : public Dialogs {
public:
  struct Busy {
    int ticks;
    QString caption;
  };

  void busy(Context& context, std::int16_t ticks, const QString& caption) override;
  QMessageBox::StandardButton message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                      QMessageBox::StandardButtons buttons) override;
  QString saveFileName(const QString&, const QString&, const QString&) override { return saveAnswer; }

  QStringList busyCaptions() const;
  std::vector<Busy> busies;
  QStringList messages;  // their texts
  QMessageBox::StandardButton answer = QMessageBox::Ok;
  QString saveAnswer;  // the file "chosen" in a save dialog
  std::function<void(const QString& caption)> duringBusy;
};
