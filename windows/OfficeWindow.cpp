// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/OfficeWindow.h"
#include "windows/SearchWindow.h"

#include <QWidget>

#include "engine/CategoryTable.h"
#include "ui/LabelButton.h"
#include "ui/Twips.h"
#include "ui/WidgetColours.h"
#include "windows/ButtonFace.h"
#include "windows/CategorySearch.h"

namespace {

// A line under each button lights up under the pointer; a press frames the
// button and shows its pressed face.
void looks(SearchWindow& w, PointerTarget target, PointerAction action) {
  if (target == PointerTarget::FindLabel || target == PointerTarget::CloseLabel) {
    ButtonFace* face = target == PointerTarget::FindLabel ? w.findFace : w.closeFace;
    if (action == PointerAction::Move) {
      WidgetColours::setFill(target == PointerTarget::FindLabel ? w.own().findLine : w.own().closeLine, Qt::white);
    } else {
      face->setBordered(action == PointerAction::Press);
      face->showPressed(action == PointerAction::Press);
    }
  } else if (target == PointerTarget::Background) {
    if (action == PointerAction::Move) {
      WidgetColours::setFill(w.own().findLine, Qt::black);
      WidgetColours::setFill(w.own().closeLine, Qt::black);
      WidgetColours::setText(w.closeLabel, Qt::black);
    } else {
      w.closeFace->setBordered(action == PointerAction::Press);
    }
  } else if (target == PointerTarget::CloseX && action == PointerAction::Move) {
    WidgetColours::setText(w.closeLabel, Qt::white);
  }
}

QWidget* addLine(SearchWindow& w, const char* name, int top) {
  auto* line = new QWidget(&w);
  line->setObjectName(name);
  line->setGeometry(Twips::rect(7080, top, 1575, 15));
  line->setAutoFillBackground(true);
  WidgetColours::setFill(line, Qt::black);
  return line;
}
}  // namespace

SearchWindowDescription OfficeWindow::description() {
  SearchWindowDescription d = CategorySearch::describe(CategoryTable::office(), "Document:");
  d.objectName = "frmoffice";
  d.title = "Search Office Documents...";
  d.heading = "Office Documents";
  d.clientWidth = 8910;
  d.clientHeight = 9765;
  const auto categoryControls = d.addControls;
  d.addControls = [categoryControls](SearchWindow& w) {
    OwnControls own = categoryControls(w);
    own.findLine = addLine(w, "lnn", 1110);
    own.closeLine = addLine(w, "lnnb", 1710);
    return own;
  };
  d.pointer = looks;
  return d;
}
