// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ModalSearchWindows.h"

#include "windows/AllFilesWindow.h"
#include "windows/ContainingTextWindow.h"
#include "windows/DateSearchWindow.h"
#include "windows/MultimediaWindow.h"
#include "windows/OfficeWindow.h"
#include "windows/SearchWindow.h"

namespace {
SearchWindowDescription describe(SearchWindows::Kind kind) {
  switch (kind) {
    case SearchWindows::AllFiles: return AllFilesWindow::description();
    case SearchWindows::ContainingText: return ContainingTextWindow::description();
    case SearchWindows::Multimedia: return MultimediaWindow::description();
    case SearchWindows::Office: return OfficeWindow::description();
    case SearchWindows::ByDate: break;
  }
  return DateSearchWindow::description();
}
}  // namespace

void ModalSearchWindows::open(Kind kind, QWidget* over, const StartSearch* start) {
  SearchWindow window(context_, describe(kind), over);
  if (start) window.startWith(*start);
  window.exec();
}
