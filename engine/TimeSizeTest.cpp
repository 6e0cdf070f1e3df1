// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TimeSizeTest.h"

namespace {
std::int64_t midnight(QDate day) { return day.startOfDay().toSecsSinceEpoch(); }

QDateTime back(const QDateTime& now, int count, TimeSizeTest::Unit unit) {
  switch (unit) {
    case TimeSizeTest::Unit::Minutes: return now.addSecs(-60 * qint64(count));
    case TimeSizeTest::Unit::Hours: return now.addSecs(-3600 * qint64(count));
    case TimeSizeTest::Unit::Days: return now.addDays(-count);  // local days: 23 or 25 hours across a change
    case TimeSizeTest::Unit::Weeks: return now.addDays(-7 * qint64(count));
    case TimeSizeTest::Unit::Months: return now.addMonths(-count);
    case TimeSizeTest::Unit::Years: return now.addYears(-count);
  }
  return now;
}
}  // namespace

void TimeSizeTest::range(std::int64_t start, std::int64_t end) {
  timed = true;
  from = start;
  until = end;
}

void TimeSizeTest::within(int count, Unit unit, const QDateTime& now) {
  range(back(now, count, unit).toSecsSinceEpoch(), now.toSecsSinceEpoch() + 1);
}

void TimeSizeTest::between(QDate first, QDate last) { range(midnight(first), midnight(last.addDays(1))); }

void TimeSizeTest::before(QDate day) { range(std::numeric_limits<std::int64_t>::min(), midnight(day)); }

void TimeSizeTest::after(QDate day) { range(midnight(day.addDays(1)), kNone); }

TimeSizeTest::Verdict TimeSizeTest::judge(const FileFacts& facts) const {
  if (facts.size < minSize || facts.size > maxSize) return Verdict::Fail;
  if (!timed) return Verdict::Pass;
  if (!facts.hasTime) return Verdict::NoTime;
  return facts.time >= from && facts.time < until ? Verdict::Pass : Verdict::Fail;
}
