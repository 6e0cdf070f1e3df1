// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Context.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/core/WorkingFolder.h"
#include "ui/Dialogs.h"
#include "ui/FirstShowWatch.h"

namespace {
std::string joined(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text.push_back(' ');
    text.append(argv[i]);
  }
  // A relative folder is made absolute now, against the folder the program
  // starts in: searched and kept in "loc" so, it still holds in a later
  // start from elsewhere.
  if (text.find_first_not_of(' ') != std::string::npos) text = WorkingFolder::absolute(text);
  return text;
}
}  // namespace

Context::Context(SettingsStore& settings, FileSystem& fileSystem, IconSource& icons, FileOpener& opener,
                 FileManager& fileManager, Dialogs& dialogs, std::string commandLine, int busyTickMs)
    : settings_(settings),
      fileSystem_(fileSystem),
      icons_(icons),
      opener_(opener),
      fileManager_(fileManager),
      dialogs_(dialogs),
      commandLine_(std::move(commandLine)),
      busyTickMs_(busyTickMs) {}

Context::Context(SettingsStore& settings, FileSystem& fileSystem, IconSource& icons, FileOpener& opener,
                 FileManager& fileManager, Dialogs& dialogs, int argc, const char* const* argv, StartSearch start)
    : Context(settings, fileSystem, icons, opener, fileManager, dialogs, joined(argc, argv)) {
  startSearch_ = std::move(start);
  if (argc > 0) executableName_ = QFileInfo(QFile::decodeName(argv[0])).fileName();
}

void Context::endAtOnce() {
  std::fflush(nullptr);
  std::_Exit(0);
}

void Context::showBusy(std::int16_t ticks, const QString& caption) { dialogs_.busy(*this, ticks, caption); }

void Context::makeTransparent(QWidget* window) {
  showBusy(1, tr("Transforming..."));
  if (!window) {
    reportError(tr("Object variable not set"), 91);
    return;
  }
  if (!window->isWindow() || !window->windowHandle()) {
    reportError(tr("The window has no native window handle"), 5);
    return;
  }
  // Where the window system cannot blend windows this goes unnoticed, as a
  // layered-window call that fails quietly would.
  window->setWindowOpacity(200.0 / 255.0);
}

void Context::makeTransparentOnFirstShow(QWidget* window, Transparent when) {
  new FirstShowWatch(window, [this, window, when] {
    if (when == Transparent::Always || state_.wantTransparency)
      QTimer::singleShot(0, window, [this, window] { makeTransparent(window); });
  });
}

QString Context::reportErrorText(const QString& description, std::int32_t number) {
  return tr("Technical Software Error occurred while could not be handled. To ignore this error temporarily, "
            "click OK. If the error persists, contact the developer of this software. Technical Error And "
            "Description as under: ") +
         "\r\n\r\n" + tr("Error Description: ") + description + "\r\n\r\n" + tr("Error Code: ") +
         QString::number(number);
}

void Context::reportError(const QString& description, std::int32_t number) {
  message(QMessageBox::Critical, tr("Technical Software Error!"), reportErrorText(description, number));
}

QMessageBox::StandardButton Context::message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                             QMessageBox::StandardButtons buttons) {
  return dialogs_.message(icon, title, text, buttons);
}

QString Context::saveFileName(const QString& title, const QString& suggested, const QString& filter) {
  return dialogs_.saveFileName(title, suggested, filter);
}
