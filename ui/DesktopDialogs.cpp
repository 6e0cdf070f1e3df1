// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopDialogs.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

#include "ui/BusyWindow.h"

void DesktopDialogs::busy(Context& context, std::int16_t ticks, const QString& caption) {
  // One busy window at a time. A call that comes while it is open (from a
  // timer that runs inside the wait) takes it over: new caption, count
  // restarted, and both callers return when it closes.
  if (BusyWindow* open = busyWindow_; open && !open->ticksEnded()) {
    open->takeOver(caption, ticks);
    QEventLoop wait;
    QObject::connect(open, &QDialog::finished, &wait, &QEventLoop::quit);
    wait.exec();
    return;
  }
  BusyWindow window(context, ticks);
  window.captionLabel->setText(caption);
  busyWindow_ = &window;
  window.exec();
}

QMessageBox::StandardButton DesktopDialogs::message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, title, text, buttons);
  box.setTextFormat(Qt::PlainText);  // a file name is never markup
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString DesktopDialogs::saveFileName(const QString& title, const QString& suggested, const QString& filter) {
  QFileDialog dialog(nullptr, title, suggested, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without a suffix takes the suggested one's: "results" saves "results.csv".
  dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

BusyWindow* DesktopDialogs::openBusyWindow() const { return busyWindow_; }
