#include "windows/ModalSearchWindows.h"

#include <memory>

#include "windows/FRMCONTENTS.h"
#include "windows/FRMFILECONTXT.h"
#include "windows/frmall.h"
#include "windows/frmoffice.h"

void ModalSearchWindows::open(Kind kind) {
  std::unique_ptr<SearchWindow> window;
  switch (kind) {
    case AllFiles: window = std::make_unique<frmall>(); break;
    case ContainingText: window = std::make_unique<FRMFILECONTXT>(); break;
    case Multimedia: window = std::make_unique<FRMCONTENTS>(); break;
    case Office: window = std::make_unique<frmoffice>(); break;
  }
  window->exec();
}
