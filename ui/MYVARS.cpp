#include "ui/MYVARS.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "platform/core/IniSettingsStore.h"
#include "platform/core/LinuxFileSystem.h"
#include "platform/core/WorkingFolder.h"
#include "ui/DesktopDialogs.h"

namespace {
constexpr int kBusyTickMs = 200;

struct Module {
  SharedState state;
  std::unique_ptr<FileSystem> fso;
  std::unique_ptr<SettingsStore> settings;
  std::string commandLine;
  QString executableName = QStringLiteral("quorrel");
  DesktopDialogs desktopDialogs;
  Dialogs* dialogs = &desktopDialogs;
  SettingsStore* settingsOverride = nullptr;
  int busyTickMs = kBusyTickMs;
};

Module& module() {
  static Module m;
  return m;
}
}  // namespace

SharedState& MYVARS::state() { return module().state; }

FileSystem& MYVARS::fso() {
  Module& m = module();
  if (!m.state.fileSystem) {
    if (!m.fso) m.fso = std::make_unique<LinuxFileSystem>();
    m.state.fileSystem = m.fso.get();
  }
  return *m.state.fileSystem;
}

SettingsStore& MYVARS::settings() {
  Module& m = module();
  if (m.settingsOverride) return *m.settingsOverride;
  if (!m.settings) m.settings = std::make_unique<IniSettingsStore>();
  return *m.settings;
}

const std::string& MYVARS::commandLine() { return module().commandLine; }

void MYVARS::setArguments(int argc, const char* const* argv) {
  if (argc > 0) setExecutableName(QFileInfo(QFile::decodeName(argv[0])).fileName());
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text.push_back(' ');
    text.append(argv[i]);
  }
  // A relative folder is made absolute now, against the folder the program
  // starts in: searched and kept in "loc" so, it still holds in a later
  // start from elsewhere.
  if (text.find_first_not_of(' ') != std::string::npos) text = WorkingFolder::absolute(text);
  setCommandLine(std::move(text));
}

void MYVARS::setCommandLine(std::string text) { module().commandLine = std::move(text); }

QString MYVARS::executableName() { return module().executableName; }
void MYVARS::setExecutableName(const QString& name) { module().executableName = name; }

void MYVARS::endAtOnce() {
  std::fflush(nullptr);
  std::_Exit(0);
}

void MYVARS::showBusy(std::int16_t ticks, const QString& caption) {
  SharedState& s = state();
  s.busyTicks = ticks;
  module().dialogs->busy(ticks, caption);
  s.busyTicks = 0;
}

void MYVARS::makeTransparent(QWidget* window) {
  showBusy(1, "Transforming...");
  if (!window) {
    reportError("Object variable not set", 91);
    return;
  }
  if (!window->isWindow() || !window->windowHandle()) {
    reportError("The window has no native window handle", 5);
    return;
  }
  // Where the window system cannot blend windows this goes unnoticed, as a
  // layered-window call that fails quietly would.
  window->setWindowOpacity(200.0 / 255.0);
}

void MYVARS::makeTransparentWhenShown(QWidget* window) {
  QTimer::singleShot(0, window, [window] { makeTransparent(window); });
}

QString MYVARS::reportErrorText(const QString& description, std::int32_t number) {
  return QStringLiteral(
             "Technical Software Error occurred while could not be handled. To ignore this error temporarily, "
             "click OK. If the error persists, contact the developer of this software. Technical Error And "
             "Description as under: ") +
         "\r\n\r\n" + "Error Description: " + description + "\r\n\r\n" + "Error Code: " + QString::number(number);
}

void MYVARS::reportError(const QString& description, std::int32_t number) {
  message(QMessageBox::Critical, "Technical Software Error!", reportErrorText(description, number));
}

QMessageBox::StandardButton MYVARS::message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons) {
  return module().dialogs->message(icon, title, text, buttons);
}

void MYVARS::setDialogs(Dialogs* dialogs) {
  Module& m = module();
  m.dialogs = dialogs ? dialogs : &m.desktopDialogs;
}

int MYVARS::busyTickMs() { return module().busyTickMs; }
void MYVARS::setBusyTickMs(int ms) { module().busyTickMs = ms > 0 ? ms : kBusyTickMs; }
void MYVARS::setSettings(SettingsStore* settings) { module().settingsOverride = settings; }

void MYVARS::resetState() {
  Module& m = module();
  m.state = SharedState{};
}
