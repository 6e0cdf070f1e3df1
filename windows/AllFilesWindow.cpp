// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AllFilesWindow.h"

#include <QCoreApplication>

#include "ui/LabelButton.h"
#include "ui/WidgetColours.h"

SearchWindowDescription AllFilesWindow::description() {
  SearchWindowDescription d;
  d.objectName = "frmall";
  d.title = QCoreApplication::translate("AllFilesWindow", "All Files");
  d.heading = QCoreApplication::translate("AllFilesWindow", "Search All Files");
  d.clientWidth = 8745;
  d.clientHeight = 9645;
  d.closeCaption = QCoreApplication::translate("AllFilesWindow", "C&lose");
  d.closeLabelName = "Label4";
  d.press = {
      {.kind = PressStep::TextLength,
       .message = QCoreApplication::translate("AllFilesWindow", "You must provide text at least of 3 characters."),
       .title = QCoreApplication::translate("AllFilesWindow", "Quorrel 2.0"),
       .focus = true},
      {.kind = PressStep::LocationGiven,
       .message = QCoreApplication::translate("AllFilesWindow", "Please specify the location."),
       .title = QCoreApplication::translate("AllFilesWindow", "Error"),
       .focus = true},
      {.kind = PressStep::MatchCase},
      {.kind = PressStep::LocationExists},
  };
  d.pointer = [](const SearchControls& w, PointerTarget target, PointerAction action) {
    pressLook(w, target, action, true);
    if (action != PointerAction::Move) return;
    if (target == PointerTarget::CloseX) WidgetColours::setText(w.closeLabel, Qt::white);
    else if (target == PointerTarget::Background) WidgetColours::setText(w.closeLabel, Qt::black);
  };
  return d;
}
