#include <QApplication>

#include "ui/FontFamilies.h"
#include "ui/MYVARS.h"
#include "shell/SplashWindow.h"
#include "shell/ModalSearchWindows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("quorrel");
  MYVARS::setArguments(argc, argv);  // the raw bytes: a folder's name need not be UTF-8
  FontFamilies::install();
  ModalSearchWindows windows;
  SplashWindow splash(windows);
  splash.show();
  return app.exec();
}
