// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ContainingTextWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <QCoreApplication>

#include "engine/SearchQuery.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Settings.h"
#include "ui/WidgetColours.h"
#include "windows/ButtonFace.h"

namespace {
// A press on a button or its picture frames the picture; the "X" turns
// yellow under the pointer.
void looks(const SearchControls& w, PointerTarget target, PointerAction action) {
  if (action == PointerAction::Move) {
    if (target == PointerTarget::CloseX) WidgetColours::setText(w.closeLabel, QColor(255, 255, 0));
    else if (target == PointerTarget::Background) WidgetColours::setText(w.closeLabel, Qt::black);
    return;
  }
  const bool find = target == PointerTarget::FindLabel || target == PointerTarget::FindFace;
  const bool close = target == PointerTarget::CloseLabel || target == PointerTarget::CloseFace;
  if (find || close) (find ? w.findFace : w.closeFace)->setBordered(action == PointerAction::Press);
}
}  // namespace

SearchWindowDescription ContainingTextWindow::description() {
  SearchWindowDescription d;
  d.objectName = "FRMFILECONTXT";
  d.title = QCoreApplication::translate("ContainingTextWindow", "File With Containing Text");
  d.heading = QCoreApplication::translate("ContainingTextWindow", "Files With Containing Text");
  d.clientWidth = 8745;
  d.clientHeight = 9645;
  d.closeCaption = QCoreApplication::translate("ContainingTextWindow", "&Close");
  d.closeLabelName = "lblc";
  d.press = {
      {.kind = PressStep::TextLength,
       .message =
           QCoreApplication::translate("ContainingTextWindow", "Entered characters must be at least 3 in length."),
       .title = QCoreApplication::translate("ContainingTextWindow", "Quorrel 2.0"),
       .icon = QMessageBox::Critical},
      {.kind = PressStep::TextLength,
       .field = PressStep::ContainingField,
       .message = QCoreApplication::translate("ContainingTextWindow", "Containing Text must be at least 3 in length."),
       .title = QCoreApplication::translate("ContainingTextWindow", "Quorrel 2.0"),
       .icon = QMessageBox::Critical},
      {.kind = PressStep::MatchCase},
      {.kind = PressStep::Configure},
      {.kind = PressStep::LocationExists},
  };
  d.watchdog = false;  // reading large files can hold the status line for long
  d.failedDisplay = false;
  // Below "Named:" and "Location:", above the results.
  d.addControls = [](QWidget* window) {
    struct {
      QLabel* caption;
      QLineEdit* field;
      QCheckBox* documents;
    } made;
    using namespace Layout;
    using M = decltype(made);
    // clang-format off
    build(window, made, {
      {make<QLabel>,    "Label3",  QCoreApplication::translate("ContainingTextWindow", "Containing Text:"), {240, 1935, 1500, 300},  into<&M::caption>},
      {make<QLineEdit>, "txtcont", QCoreApplication::translate("ContainingTextWindow", "Text1"),            {1800, 1890, 5175, 345}, into<&M::field>},
      // In the free strip between the results and their count.
      {make<QCheckBox>, "chkdocs", QCoreApplication::translate("ContainingTextWindow", "Look inside &documents"), {120, 7380, 3600, 375}, into<&M::documents>},
    });
    // clang-format on
    made.field->setAccessibleName(QCoreApplication::translate("ContainingTextWindow", "Containing Text"));
    made.caption->setBuddy(made.field);  // "Text1" at every opening; never kept
    made.documents->setAccessibleName(QCoreApplication::translate("ContainingTextWindow", "Look inside documents"));
    return OwnControls{.containingField = made.field, .documentsBox = made.documents};
  };
  d.configure = [](const OwnControls& own, SearchQuery& query) {
    query.contentTest = true;
    query.documents = own.documentsBox->isChecked();
  };
  d.restore = [](const OwnControls& own, Context& context) {
    own.documentsBox->setChecked(Settings::searchDocuments.read(context) == Answer::Yes);
  };
  d.keep = [](const OwnControls& own, Context& context) {
    Settings::searchDocuments.write(context, own.documentsBox->isChecked() ? Answer::Yes : Answer::No);
  };
  d.pointer = looks;
  return d;
}
