// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TimeColumn.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>

#include "ui/Settings.h"
#include "ui/Twips.h"
#include "windows/ResultsTable.h"

void TimeColumn::setUp(Context& context, QTableView& view, const char* window, bool always) {
  view.setColumnWidth(ResultsTable::TimeColumn, Twips::toPixels(1800));
  if (always) return;
  const Setting<Answer> shown = Settings::modifiedColumn(window);
  view.setColumnHidden(ResultsTable::TimeColumn, shown.read(context) != Answer::Yes);
  QHeaderView* header = view.horizontalHeader();
  auto* show = new QAction(QCoreApplication::translate("TimeColumn", "Modified"), header);
  show->setObjectName("showModified");
  show->setCheckable(true);
  show->setChecked(!view.isColumnHidden(ResultsTable::TimeColumn));
  header->addAction(show);
  header->setContextMenuPolicy(Qt::ActionsContextMenu);
  QObject::connect(show, &QAction::toggled, header, [&context, &view, shown](bool on) {
    view.setColumnHidden(ResultsTable::TimeColumn, !on);
    shown.write(context, on ? Answer::Yes : Answer::No);
  });
}
