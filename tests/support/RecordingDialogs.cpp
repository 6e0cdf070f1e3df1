// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingDialogs.h"

void RecordingDialogs::busy(Context&, std::int16_t ticks, const QString& caption) {
  busies.push_back({ticks, caption});
  if (duringBusy) duringBusy(caption);
}

QMessageBox::StandardButton RecordingDialogs::message(QMessageBox::Icon, const QString&, const QString& text,
                                                      QMessageBox::StandardButtons) {
  messages << text;
  return answer;
}

QStringList RecordingDialogs::busyCaptions() const {
  QStringList out;
  for (const Busy& b : busies) out << b.caption;
  return out;
}
