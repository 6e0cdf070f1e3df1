// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/DateChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>
#include <limits>
#include <tuple>

#include "engine/SearchQuery.h"
#include "ui/Layout.h"
#include "ui/Settings.h"

namespace {
QWidget* dateField(const Layout::Control&, QWidget* parent) {
  auto* field = new QDateEdit(parent);
  field->setCalendarPopup(true);
  return field;
}

QWidget* countField(const Layout::Control&, QWidget* parent) {
  auto* field = new QSpinBox(parent);
  field->setRange(0, std::numeric_limits<int>::max());
  return field;
}

// 1 KB is 1,024 bytes, as the size column counts.
std::int64_t bytes(const QSpinBox* count, const QComboBox* unit) {
  return std::int64_t{count->value()} << (10 * unit->currentIndex());
}

void fillUnits(QComboBox* box) {
  box->addItems({DateChoices::tr("bytes"), DateChoices::tr("KB"), DateChoices::tr("MB"), DateChoices::tr("GB")});
}

QDate storedDate(const Setting<QString>& setting, Context& context, QDate otherwise) {
  const QDate day = QDate::fromString(setting.read(context), Qt::ISODate);
  return day.isValid() ? day : otherwise;
}

// A stored place in a list; one outside it (a hand edit) is the setting's default.
void choose(QComboBox* box, const Setting<int>& setting, Context& context) {
  const int index = setting.read(context);
  box->setCurrentIndex(index >= 0 && index < box->count() ? index : QString(setting.defaultText).toInt());
}

void restoreLimit(QCheckBox* box, QSpinBox* count, QComboBox* unit, int stored, const Setting<int>& storedUnit,
                  Context& context) {
  box->setChecked(stored >= 0);
  count->setValue(std::max(stored, 0));
  choose(unit, storedUnit, context);
  count->setEnabled(stored >= 0);
  unit->setEnabled(stored >= 0);
}
}  // namespace

DateChoices::DateChoices(QWidget* window) : QObject(window) {
  using namespace Layout;
  using D = DateChoices;
  // clang-format off
  build(window, *this, {
    {make<QLabel>,    "lbltime",    tr("&Time:"),     {240, 1935, 1095, 300},  into<&D::timeCaption>},
    {make<QComboBox>, "cbotime",    {},               {1440, 1890, 1695, 345}, into<&D::timeBox>},
    {make<QComboBox>, "cborange",   {},               {3240, 1890, 1695, 345}, into<&D::rangeBox>},
    {countField,      "spncount",   {},               {1440, 2340, 900, 345},  into<&D::countBox>},
    {make<QComboBox>, "cbounit",    {},               {2445, 2340, 1500, 345}, into<&D::unitBox>},
    {dateField,       "dtfirst",    {},               {1440, 2340, 1695, 345}, into<&D::firstDate>},
    {make<QLabel>,    "lbland",     tr("and"),        {3240, 2385, 480, 300},  into<&D::andLabel>},
    {dateField,       "dtlast",     {},               {3720, 2340, 1695, 345}, into<&D::lastDate>},
    {make<QCheckBox>, "chkmin",     tr("&At least:"), {240, 2790, 1320, 345},  into<&D::atLeastBox>},
    {countField,      "spnmin",     {},               {1590, 2790, 900, 345}, into<&D::atLeastCount>},
    {make<QComboBox>, "cbominunit", {},               {2535, 2790, 900, 345},  into<&D::atLeastUnit>},
    {make<QCheckBox>, "chkmax",     tr("At m&ost:"),  {3540, 2790, 1560, 345}, into<&D::atMostBox>},
    {countField,      "spnmax",     {},               {5130, 2790, 900, 345}, into<&D::atMostCount>},
    {make<QComboBox>, "cbomaxunit", {},               {6075, 2790, 900, 345},  into<&D::atMostUnit>},
  });
  // clang-format on
  timeBox->addItems({tr("Modified"), tr("Created"), tr("Accessed")});
  timeCaption->setBuddy(timeBox);
  timeBox->setAccessibleName(tr("Time"));
  rangeBox->addItems({tr("in the last"), tr("between"), tr("before"), tr("after"), tr("at any time")});
  rangeBox->setAccessibleName(tr("Range"));
  unitBox->addItems({tr("minutes"), tr("hours"), tr("days"), tr("weeks"), tr("months"), tr("years")});
  countBox->setRange(1, 9999);  // 9,999 years reach back before any file
  countBox->setAccessibleName(tr("How many"));
  unitBox->setAccessibleName(tr("Unit"));
  firstDate->setAccessibleName(tr("Date"));
  lastDate->setAccessibleName(tr("Last date"));
  fillUnits(atLeastUnit);
  fillUnits(atMostUnit);
  atLeastCount->setAccessibleName(tr("At least"));
  atLeastUnit->setAccessibleName(tr("Unit of the least size"));
  atMostCount->setAccessibleName(tr("At most"));
  atMostUnit->setAccessibleName(tr("Unit of the most size"));
  for (auto [box, count, unit] :
       {std::tuple{atLeastBox, atLeastCount, atLeastUnit}, {atMostBox, atMostCount, atMostUnit}}) {
    connect(box, &QCheckBox::toggled, count, &QWidget::setEnabled);
    connect(box, &QCheckBox::toggled, unit, &QWidget::setEnabled);
  }
  connect(rangeBox, &QComboBox::currentIndexChanged, this, &DateChoices::showRange);
}

// The fields the range needs, in the place they share.
void DateChoices::showRange() {
  const int range = rangeBox->currentIndex();
  countBox->setVisible(range == InTheLast);
  unitBox->setVisible(range == InTheLast);
  firstDate->setVisible(range == Between || range == Before || range == After);
  andLabel->setVisible(range == Between);
  lastDate->setVisible(range == Between);
  firstDate->setAccessibleName(range == Between ? tr("First date") : tr("Date"));
}

void DateChoices::configure(SearchQuery& query) const {
  TimeSizeTest& test = query.timeSize;
  test = {};
  test.time = static_cast<FileTime>(timeBox->currentIndex());
  switch (rangeBox->currentIndex()) {
    case InTheLast:
      test.within(countBox->value(), static_cast<TimeSizeTest::Unit>(unitBox->currentIndex()),
                  QDateTime::currentDateTime());
      break;
    case Between:  // either order: both days and those between
      test.between(std::min(firstDate->date(), lastDate->date()), std::max(firstDate->date(), lastDate->date()));
      break;
    case Before: test.before(firstDate->date()); break;
    case After: test.after(firstDate->date()); break;
    default: break;
  }
  if (atLeastBox->isChecked()) test.minSize = bytes(atLeastCount, atLeastUnit);
  if (atMostBox->isChecked()) test.maxSize = bytes(atMostCount, atMostUnit);
}

void DateChoices::restore(Context& context) {
  namespace S = Settings::dateSearch;
  choose(timeBox, S::time, context);
  choose(rangeBox, S::range, context);
  countBox->setValue(std::max(S::count.read(context), 0));
  choose(unitBox, S::unit, context);
  const QDate today = QDate::currentDate();
  firstDate->setDate(storedDate(S::first, context, today.addDays(-7)));
  lastDate->setDate(storedDate(S::last, context, today));
  restoreLimit(atLeastBox, atLeastCount, atLeastUnit, S::atLeast.read(context), S::atLeastUnit, context);
  restoreLimit(atMostBox, atMostCount, atMostUnit, S::atMost.read(context), S::atMostUnit, context);
  showRange();
}

void DateChoices::keep(Context& context) const {
  namespace S = Settings::dateSearch;
  S::time.write(context, timeBox->currentIndex());
  S::range.write(context, rangeBox->currentIndex());
  S::count.write(context, countBox->value());
  S::unit.write(context, unitBox->currentIndex());
  S::first.write(context, firstDate->date().toString(Qt::ISODate));
  S::last.write(context, lastDate->date().toString(Qt::ISODate));
  S::atLeast.write(context, atLeastBox->isChecked() ? atLeastCount->value() : -1);
  S::atLeastUnit.write(context, atLeastUnit->currentIndex());
  S::atMost.write(context, atMostBox->isChecked() ? atMostCount->value() : -1);
  S::atMostUnit.write(context, atMostUnit->currentIndex());
}
