#include "windows/FRMCONTENTS.h"

#include "engine/CategoryTable.h"
#include "windows/ButtonFace.h"
#include "windows/CategorySearch.h"
#include "shell/LabelButton.h"
#include "shell/WidgetColours.h"

namespace {
const QColor kCyan(0, 255, 255);

// Captions turn white while pressed; the pointer over a button frames it.
void looks(SearchWindow& w, PointerTarget target, PointerAction action) {
  const bool find = target == PointerTarget::FindLabel || target == PointerTarget::FindFace;
  ButtonFace* face = find ? w.pict : w.pictb;
  LabelButton* label = find ? w.cmdfind : w.cmdcanc;
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
        w.pict->setBordered(false);
        w.pictb->setBordered(false);
        WidgetColours::setText(w.closeLabel, kCyan);
      }
      if (target == PointerTarget::CloseX) WidgetColours::setText(w.closeLabel, Qt::black);
      break;
  }
}
}  // namespace

SearchWindowDescription FRMCONTENTS::description() {
  SearchWindowDescription d = CategorySearch::describe(CategoryTable::multimedia(), "Contents:");
  d.objectName = "FRMCONTENTS";
  d.title = "Search Music, Photos, documents etc.";
  d.heading = "Multimedia Search";
  d.clientWidth = 8775;
  d.clientHeight = 9735;
  d.closeLabelColour = kCyan;
  d.pointer = looks;
  return d;
}

FRMCONTENTS::FRMCONTENTS(QWidget* parent) : SearchWindow(description(), parent) {}
