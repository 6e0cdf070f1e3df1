#include <QApplication>

#include "platform/core/IniSettingsStore.h"
#include "platform/core/LinuxFileSystem.h"
#include "shell/ModalSearchWindows.h"
#include "shell/SplashWindow.h"
#include "ui/Context.h"
#include "ui/DesktopDialogs.h"
#include "ui/FontFamilies.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("quorrel");
  IniSettingsStore settings;
  LinuxFileSystem fileSystem;
  DesktopDialogs dialogs;
  Context context(settings, fileSystem, dialogs, argc, argv);  // the raw bytes: a folder's name need not be UTF-8
  FontFamilies::install();
  ModalSearchWindows windows(context);
  SplashWindow splash(context, windows);
  splash.show();
  return app.exec();
}
