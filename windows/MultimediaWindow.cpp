// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/MultimediaWindow.h"

#include <QCoreApplication>

#include "engine/CategoryTable.h"
#include "ui/LabelButton.h"
#include "ui/WidgetColours.h"
#include "windows/ButtonFace.h"
#include "windows/CategorySearch.h"

namespace {
const QColor kCyan(0, 255, 255);

// Captions turn white while pressed; the pointer over a button frames it, and
// over the "X" turns it cyan.
void looks(const SearchControls& w, PointerTarget target, PointerAction action) {
  const bool find = target == PointerTarget::FindLabel || target == PointerTarget::FindFace;
  ButtonFace* face = find ? w.findFace : w.closeFace;
  LabelButton* label = find ? w.findButton : w.closeButton;
  switch (action) {
    case PointerAction::Press:
      if (target == PointerTarget::FindLabel) WidgetColours::setText(label, Qt::white);
      if (target == PointerTarget::CloseLabel) {
        face->setBordered(true);
        WidgetColours::setText(label, Qt::white);
      }
      break;
    case PointerAction::Release:
      if (target == PointerTarget::FindLabel || target == PointerTarget::CloseLabel) {
        face->setBordered(false);
        WidgetColours::setText(label, Qt::black);
      }
      if (target == PointerTarget::FindFace) face->setBordered(false);
      break;
    case PointerAction::Move:
      if (target == PointerTarget::FindLabel || target == PointerTarget::FindFace ||
          target == PointerTarget::CloseLabel)
        face->setBordered(true);
      if (target == PointerTarget::Background) {
        w.findFace->setBordered(false);
        w.closeFace->setBordered(false);
        WidgetColours::setText(w.closeLabel, Qt::black);
      }
      if (target == PointerTarget::CloseX) WidgetColours::setText(w.closeLabel, kCyan);
      break;
  }
}
}  // namespace

SearchWindowDescription MultimediaWindow::description() {
  SearchWindowDescription d = CategorySearch::describe(CategoryTable::multimedia(),
                                                       QCoreApplication::translate("MultimediaWindow", "Contents:"));
  d.objectName = "FRMCONTENTS";
  d.title = QCoreApplication::translate("MultimediaWindow", "Search Music, Photos, documents etc.");
  d.heading = QCoreApplication::translate("MultimediaWindow", "Multimedia Search");
  d.clientWidth = 8775;
  d.clientHeight = 9735;
  d.pointer = looks;
  return d;
}
