// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLoggingCategory>
#include <QSessionManager>

#include <cstdio>
#include <optional>

#include "CommandLine.h"
#include "platform/core/IniSettingsStore.h"
#include "platform/core/LinuxFileSystem.h"
#include "platform/core/ThreadFallback.h"
#include "platform/core/Translations.h"
#include "platform/desktop/DBusFileManager.h"
#include "platform/desktop/DisplayCheck.h"
#include "platform/desktop/GioFileOpener.h"
#include "platform/desktop/ProgramIcon.h"
#include "platform/desktop/ThemeIconSource.h"
#include "shell/ModalSearchWindows.h"
#include "shell/SplashWindow.h"
#include "ui/Context.h"
#include "ui/DesktopDialogs.h"
#include "ui/FontFamilies.h"

// QT_LOGGING_RULES=quorrel.start.debug=true prints the folder the command line
// named and the translation loaded.
Q_LOGGING_CATEGORY(startLog, "quorrel.start", QtInfoMsg)

int main(int argc, char** argv) {
  // Qt sees no argument but the program's name: a folder is never taken for
  // one of its options, and its own settings come from the environment.
  int qtArgumentCount = 1;
  // The help and the mistakes in the user's language need an application to
  // hold the translation; whether a window can show is not known yet, so it
  // is a core one while the command line is read.
  std::optional<const CommandLine> read;
  std::optional<Translations> translations;  // read once, then installed in the window application too
  {
    const QCoreApplication reader(qtArgumentCount, argv);
    translations.emplace(QLocale::system(), Translations::folder());
    read.emplace(argc, argv);
  }
  const CommandLine& commandLine = *read;
  if (commandLine.exitStatus()) return commandLine.answer();
  const DisplayCheck::Found display = DisplayCheck::find();
  if (display == DisplayCheck::Found::None) {  // Qt would abort, with words about its plugins
    std::fputs("quorrel: no display was found to show windows on: neither DISPLAY nor WAYLAND_DISPLAY names one "
               "that answers.\n",
               stderr);
    return 1;
  }
  // Without threads the pictures are painted on the window's thread, but Qt
  // reads X11 and Wayland events on a thread of its own: without it no event
  // would come, and the program would wait for ever.
  if (!ThreadFallback::install() && display == DisplayCheck::Found::WindowSystem) {
    std::fputs("quorrel: no thread can be started (the limit of processes is reached), and the display's events "
               "need one.\n",
               stderr);
    return 1;
  }
  QApplication app(qtArgumentCount, argv);
  QApplication::setApplicationName("quorrel");
  QApplication::setApplicationVersion(QUORREL_VERSION);
  translations->install();
  qCDebug(startLog) << translations->language() << "texts";
  QApplication::setWindowIcon(ProgramIcon::find());  // every window's, unless it has its own
  // A desktop session would restart us with Qt's own options, which the
  // command line refuses; a search is nothing to restore at the next login.
  QObject::connect(&app, &QGuiApplication::saveStateRequest,
                   [](QSessionManager& session) { session.setRestartHint(QSessionManager::RestartNever); });
  IniSettingsStore settings;
  LinuxFileSystem fileSystem;
  ThemeIconSource icons;
  GioFileOpener opener;
  DBusFileManager fileManager;
  DesktopDialogs dialogs;
  Context context(settings, fileSystem, icons, opener, fileManager, dialogs, commandLine.count(),
                  commandLine.arguments(), commandLine.search());
  qCDebug(startLog) << "start folder" << QByteArray::fromStdString(context.commandLine());
  FontFamilies::install();
  ModalSearchWindows windows(context);
  SplashWindow splash(context, windows);
  splash.show();
  return app.exec();
}
