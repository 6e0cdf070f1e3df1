// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/CategorySearch.h"

#include <QComboBox>
#include <QLabel>

#include "engine/CategoryTable.h"
#include "engine/SearchQuery.h"
#include "windows/SearchWindow.h"

SearchWindowDescription CategorySearch::describe(const CategoryTable& table, const QString& categoryCaption) {
  SearchWindowDescription d;
  d.closeCaption = "C&lose";
  d.closeLabelName = "lblc";
  d.busyCaption = "Processing....";
  d.press = {
      {.kind = PressStep::Configure},
      {.kind = PressStep::MatchCase},
      {.kind = PressStep::LocationExists},
  };
  // Beside the name and location fields, above the results.
  d.addControls = [&table, categoryCaption](SearchWindow& w) {
    QLabel* caption = w.addLabel("label4", categoryCaption, 240, 1935, 1095, 300);
    QComboBox* box = w.addList("cboconts", caption, 1440, 1890, 5535, 345);
    for (std::size_t i = 0; i < table.size(); ++i) box->addItem(QString::fromUtf8(table.at(i).caption));
    box->setCurrentIndex(0);
    return OwnControls{.categoryBox = box};
  };
  // By position only; with no category chosen the pattern stays as it was.
  d.configure = [&table](const OwnControls& own, SearchQuery& query) {
    if (const std::string* pattern = table.patternAt(own.categoryBox->currentIndex()))
      query.pattern = ListingPattern(*pattern);
  };
  return d;
}
