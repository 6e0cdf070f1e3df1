#include "shell/ModalSearchWindows.h"

#include <memory>

#include "windows/MultimediaWindow.h"
#include "windows/ContainingTextWindow.h"
#include "windows/AllFilesWindow.h"
#include "windows/OfficeWindow.h"

void ModalSearchWindows::open(Kind kind, QWidget* over) {
  std::unique_ptr<SearchWindow> window;
  switch (kind) {
    case AllFiles: window = std::make_unique<AllFilesWindow>(context_, over); break;
    case ContainingText: window = std::make_unique<ContainingTextWindow>(context_, over); break;
    case Multimedia: window = std::make_unique<MultimediaWindow>(context_, over); break;
    case Office: window = std::make_unique<OfficeWindow>(context_, over); break;
  }
  window->exec();
}
