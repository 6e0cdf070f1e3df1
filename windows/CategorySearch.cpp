// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/CategorySearch.h"

#include <QComboBox>
#include <QLabel>

#include <QCoreApplication>

#include "engine/CategoryTable.h"
#include "engine/SearchQuery.h"
#include "ui/Layout.h"

SearchWindowDescription CategorySearch::describe(const CategoryTable& table, const QString& categoryCaption) {
  SearchWindowDescription d;
  d.closeCaption = QCoreApplication::translate("CategorySearch", "C&lose");
  d.closeLabelName = "lblc";
  d.busyCaption = QCoreApplication::translate("CategorySearch", "Processing....");
  d.press = {
      {.kind = PressStep::Configure},
      {.kind = PressStep::MatchCase},
      {.kind = PressStep::LocationExists},
  };
  // Beside the name and location fields, above the results.
  d.addControls = [&table, categoryCaption](QWidget* window) {
    struct {
      QLabel* caption;
      QComboBox* box;
    } made;
    using namespace Layout;
    using M = decltype(made);
    // clang-format off
    build(window, made, {
      {make<QLabel>,    "label4",   categoryCaption, {240, 1935, 1095, 300},  into<&M::caption>},
      {make<QComboBox>, "cboconts", {},              {1440, 1890, 5535, 345}, into<&M::box>},
    });
    // clang-format on
    made.caption->setBuddy(made.box);
    for (std::size_t i = 0; i < table.size(); ++i)
      made.box->addItem(QCoreApplication::translate("CategoryTable", table.at(i).caption));
    made.box->setCurrentIndex(0);
    return OwnControls{.categoryBox = made.box};
  };
  // By position only; with no category chosen the pattern stays as it was.
  d.configure = [&table](const OwnControls& own, SearchQuery& query) {
    if (const std::string* pattern = table.patternAt(own.categoryBox->currentIndex()))
      query.pattern = ListingPattern(*pattern);
  };
  return d;
}
