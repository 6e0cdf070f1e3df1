#include <QApplication>

#include "windows/frmall.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("quorrel");
  frmall window;
  window.exec();
  return 0;
}
