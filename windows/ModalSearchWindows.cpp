#include "windows/ModalSearchWindows.h"

#include <memory>

#include "windows/FRMCONTENTS.h"
#include "windows/FRMFILECONTXT.h"
#include "windows/frmall.h"
#include "windows/frmoffice.h"

void ModalSearchWindows::open(Kind kind, QWidget* over) {
  std::unique_ptr<SearchWindow> window;
  switch (kind) {
    case AllFiles: window = std::make_unique<frmall>(over); break;
    case ContainingText: window = std::make_unique<FRMFILECONTXT>(over); break;
    case Multimedia: window = std::make_unique<FRMCONTENTS>(over); break;
    case Office: window = std::make_unique<frmoffice>(over); break;
  }
  window->exec();
}
