#include <QApplication>

#include "shell/FontFamilies.h"
#include "shell/MYVARS.h"
#include "shell/frmspl.h"
#include "windows/ModalSearchWindows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("quorrel");
  MYVARS::setArguments(argc, argv);  // the raw bytes: a folder's name need not be UTF-8
  FontFamilies::install();
  ModalSearchWindows windows;
  frmspl splash(windows);
  splash.show();
  return app.exec();
}
