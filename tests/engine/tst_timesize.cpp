// SPDX-License-Identifier: GPL-3.0-or-later
// Files by their time and size, with the name text empty, on real trees.
#include <QFile>
#include <QtTest>

#include <ctime>

#include "support/TempTree.h"
#include "support/WalkRig.h"

Q_DECLARE_METATYPE(TimeSizeTest)

namespace {
using Unit = TimeSizeTest::Unit;
QDateTime at(QDate day, int h, int m, int s) { return {day, QTime(h, m, s)}; }
TimeSizeTest made(const std::function<void(TimeSizeTest&)>& set, FileTime time = FileTime::Modified) {
  TimeSizeTest test;
  test.time = time;
  set(test);
  return test;
}
}  // namespace

class TimeSizeSearch : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void initTestCase() {
    qputenv("TZ", "Europe/Berlin");  // days of 23 and 25 hours in 2024
    ::tzset();
  }

  // One second either side of each edge: days from midnight to midnight by
  // the zone's rules, "the last N units" up to now.
  void filesByTimeAndSize_data() {
    QTest::addColumn<TimeSizeTest>("test");
    QTest::addColumn<QDateTime>("time");  // the chosen time (the others long ago)
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("withoutTime");
    const QDate spring(2024, 3, 31), autumn(2024, 10, 27);
    const QDateTime now = QDateTime::currentDateTime();
    const auto lastHours = made([&](TimeSizeTest& t) { t.within(2, Unit::Hours, now); });
    const auto lastMonth = made([&](TimeSizeTest& t) { t.within(1, Unit::Months, now); });
    const auto springDay = made([&](TimeSizeTest& t) { t.between(spring, spring); });
    const auto before = made([&](TimeSizeTest& t) { t.before(autumn.addDays(1)); });
    const auto after = made([&](TimeSizeTest& t) { t.after(autumn.addDays(-1)); });
    const auto atLeastKb = made([](TimeSizeTest& t) { t.minSize = 1024; });
    const auto atMostKb = made([](TimeSizeTest& t) { t.maxSize = 1024; });
    const auto accessed = made([&](TimeSizeTest& t) { t.within(2, Unit::Hours, now); }, FileTime::Accessed);
    // Files are made when a row runs, after this: the day ends a while from now.
    const auto created = made([&](TimeSizeTest& t) { t.within(1, Unit::Days, now.addSecs(600)); }, FileTime::Created);
    const auto row = [](const char* name, const TimeSizeTest& test, const QDateTime& time, qint64 size, bool found,
                        int withoutTime = 0) { QTest::newRow(name) << test << time << size << found << withoutTime; };
    row("last hours: inside", lastHours, now.addSecs(-2 * 3600 + 1), 0, true);
    row("last hours: outside", lastHours, now.addSecs(-2 * 3600 - 1), 0, false);
    row("last hours: in the future", lastHours, now.addSecs(60), 0, false);
    row("last month: inside", lastMonth, now.addMonths(-1).addSecs(1), 0, true);
    row("last month: outside", lastMonth, now.addMonths(-1).addSecs(-1), 0, false);
    row("between: before the first day", springDay, at(spring.addDays(-1), 23, 59, 59), 0, false);
    row("between: its midnight", springDay, at(spring, 0, 0, 0), 0, true);
    row("between: a 23-hour day's last second", springDay, at(spring, 23, 59, 59), 0, true);
    row("between: the next midnight", springDay, at(spring.addDays(1), 0, 0, 0), 0, false);
    row("before: a 25-hour day's last second", before, at(autumn, 23, 59, 59), 0, true);
    row("before: the day itself", before, at(autumn.addDays(1), 0, 0, 0), 0, false);
    row("after: the day itself", after, at(autumn.addDays(-1), 23, 59, 59), 0, false);
    row("after: the next midnight", after, at(autumn, 0, 0, 0), 0, true);
    row("at least 1 KB: 1,023", atLeastKb, now, 1023, false);
    row("at least 1 KB: 1,024", atLeastKb, now, 1024, true);
    row("at most 1 KB: 1,024", atMostKb, now, 1024, true);
    row("at most 1 KB: 1,025", atMostKb, now, 1025, false);
    row("accessed: inside", accessed, now.addSecs(-3600), 0, true);
    row("created: now", created, {}, 0, true);
    row("created: no birth time", created, {}, 0, false, 1);
  }
  void filesByTimeAndSize() {
    QFETCH(TimeSizeTest, test);
    QFETCH(QDateTime, time);
    QFETCH(qint64, size);
    QFETCH(bool, found);
    QFETCH(int, withoutTime);
    TempTree t;
    t.file("f", std::string(std::size_t(size), 'x'));
    QFile file(QString::fromStdString(t.path("f")));
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime longAgo(QDate(2000, 1, 1), QTime(12, 0));
    QVERIFY(file.setFileTime(test.time == FileTime::Accessed ? time : longAgo, QFileDevice::FileAccessTime));
    QVERIFY(file.setFileTime(test.time == FileTime::Modified ? time : longAgo, QFileDevice::FileModificationTime));
    file.close();
    WalkRig rig(t.root());
    rig.fs.noBirthTimes = withoutTime > 0;
    rig.walk->start(SearchQuery{.startFolder = t.root(), .timeSize = test});
    QCOMPARE(rig.names(), found ? Names{"f"} : Names{});
    QCOMPARE(rig.walk->withoutTime(), std::size_t(withoutTime));
    if (found && time.isValid()) QCOMPARE(rig.results.fileTime(0), time.toSecsSinceEpoch());
  }
};

QTEST_GUILESS_MAIN(TimeSizeSearch)
#include "tst_timesize.moc"
