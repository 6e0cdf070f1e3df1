#include <QApplication>

#include "platform/core/IniSettingsStore.h"
#include "platform/core/LinuxFileSystem.h"
#include "platform/desktop/GioFileOpener.h"
#include "platform/desktop/ThemeIconSource.h"
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
  ThemeIconSource icons;
  GioFileOpener opener;
  DesktopDialogs dialogs;
  // The raw bytes of the arguments: a folder's name need not be UTF-8.
  Context context(settings, fileSystem, icons, opener, dialogs, argc, argv);
  FontFamilies::install();
  ModalSearchWindows windows(context);
  SplashWindow splash(context, windows);
  splash.show();
  return app.exec();
}
