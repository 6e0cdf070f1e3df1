// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/OfficeWindow.h"

#include <QWidget>

#include <QCoreApplication>

#include "engine/CategoryTable.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/WidgetColours.h"
#include "windows/ButtonFace.h"
#include "windows/CategorySearch.h"

namespace {

// A line under each button lights up under the pointer; a press frames the
// button and shows its pressed face.
void looks(const SearchControls& w, PointerTarget target, PointerAction action) {
  if (target == PointerTarget::FindLabel || target == PointerTarget::CloseLabel) {
    ButtonFace* face = target == PointerTarget::FindLabel ? w.findFace : w.closeFace;
    if (action == PointerAction::Move) {
      WidgetColours::setFill(target == PointerTarget::FindLabel ? w.own.findLine : w.own.closeLine, Qt::white);
    } else {
      face->setBordered(action == PointerAction::Press);
      face->showPressed(action == PointerAction::Press);
    }
  } else if (target == PointerTarget::Background) {
    if (action == PointerAction::Move) {
      WidgetColours::setFill(w.own.findLine, Qt::black);
      WidgetColours::setFill(w.own.closeLine, Qt::black);
      WidgetColours::setText(w.closeLabel, Qt::black);
    } else {
      w.closeFace->setBordered(action == PointerAction::Press);
    }
  } else if (target == PointerTarget::CloseX && action == PointerAction::Move) {
    WidgetColours::setText(w.closeLabel, Qt::white);
  }
}

// Lines under the buttons, black until the pointer lights them.
OwnControls withLines(OwnControls own, QWidget* window) {
  using namespace Layout;
  // clang-format off
  build(window, own, {
    {make<QWidget>, "lnn",  {}, {7080, 1110, 1575, 15}, into<&OwnControls::findLine>},
    {make<QWidget>, "lnnb", {}, {7080, 1710, 1575, 15}, into<&OwnControls::closeLine>},
  });
  // clang-format on
  for (QWidget* line : {own.findLine, own.closeLine}) {
    line->setAutoFillBackground(true);
    WidgetColours::setFill(line, Qt::black);
  }
  return own;
}
}  // namespace

SearchWindowDescription OfficeWindow::description() {
  SearchWindowDescription d =
      CategorySearch::describe(CategoryTable::office(), QCoreApplication::translate("OfficeWindow", "Document:"));
  d.objectName = "frmoffice";
  d.title = QCoreApplication::translate("OfficeWindow", "Search Office Documents...");
  d.heading = QCoreApplication::translate("OfficeWindow", "Office Documents");
  d.clientWidth = 8910;
  d.clientHeight = 9765;
  const auto categoryControls = d.addControls;
  d.addControls = [categoryControls](QWidget* window) { return withLines(categoryControls(window), window); };
  d.pointer = looks;
  return d;
}
