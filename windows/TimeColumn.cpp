// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TimeColumn.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>

#include "ui/Settings.h"
#include "ui/Twips.h"
#include "windows/ResultsTable.h"

namespace {
// The name gives up the room the time takes, so that all four fit the list.
void showTime(QTableView& view, bool shown) {
  view.setColumnHidden(ResultsTable::TimeColumn, !shown);
  view.setColumnWidth(ResultsTable::NameColumn, Twips::toPixels(shown ? 3600 : 5200));
}
}  // namespace

void TimeColumn::setUp(Context& context, QTableView& view, const char* window, bool always) {
  view.setColumnWidth(ResultsTable::TimeColumn, Twips::toPixels(2400));
  if (always) return showTime(view, true);
  const Setting<Answer> shown = Settings::modifiedColumn(window);
  showTime(view, shown.read(context) == Answer::Yes);
  QHeaderView* header = view.horizontalHeader();
  auto* show = new QAction(QCoreApplication::translate("TimeColumn", "Modified"), header);
  show->setObjectName("showModified");
  show->setCheckable(true);
  show->setChecked(!view.isColumnHidden(ResultsTable::TimeColumn));
  header->addAction(show);
  header->setContextMenuPolicy(Qt::ActionsContextMenu);
  QObject::connect(show, &QAction::toggled, header, [&context, &view, shown](bool on) {
    showTime(view, on);
    shown.write(context, on ? Answer::Yes : Answer::No);
  });
}
