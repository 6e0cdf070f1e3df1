// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QDateTime>
#include <cstdint>
#include <limits>

#include "platform/core/FileFacts.h"

// The time and size a found file must have, tested after its name from the
// one lookup the walk makes for it. Times are whole seconds since the epoch,
// a range from its first second up to (not including) its end; sizes are
// bytes, both limits included. The ranges over days are in local time: a day
// runs from its midnight to the next, by the time zone's rules.
struct TimeSizeTest {
  enum class Unit { Minutes, Hours, Days, Weeks, Months, Years };
  enum class Verdict { Pass, Fail, NoTime };
  static constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max();

  FileTime time = FileTime::Modified;  // the time every result keeps
  bool timed = false;                  // whether the time limits the results
  std::int64_t from = std::numeric_limits<std::int64_t>::min();
  std::int64_t until = kNone;
  std::int64_t minSize = 0;
  std::int64_t maxSize = kNone;

  // The last count units up to now (a time after now is not in it).
  void within(int count, Unit unit, const QDateTime& now);
  // From the first day's midnight to the end of the last day.
  void between(QDate first, QDate last);
  void before(QDate day);  // earlier than that day
  void after(QDate day);   // later than that day
  void range(std::int64_t start, std::int64_t end);

  Verdict judge(const FileFacts& facts) const;
};
