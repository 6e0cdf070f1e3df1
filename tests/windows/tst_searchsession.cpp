// SPDX-License-Identifier: GPL-3.0-or-later
// A search session without its window, on a real tree: what it tells its
// view, and what a stop, a new search, a close, a delete or the watchdog
// inside its walk's first yield leaves behind.
#include <QtTest>

#include "engine/FolderWalk.h"
#include "support/OpenHandles.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"
#include "support/WindowRig.h"
#include "windows/SearchSession.h"

class SearchSessionTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void insideTheFirstYield_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<Names>("folders");  // the runs of the results' folders
    QTest::addColumn<QString>("told");   // Searching, Cleared, Idle, Ended, in order
    QTest::addColumn<QStringList>("busies");
    const Names all{"R", "A", "B", "C", "A/A1", "A/A2", "B/B1"};
    const QString press = "1 Processing...";
    QTest::newRow("nothing") << "" << all << "SCIE" << QStringList{press};
    QTest::newRow("stop") << "stop" << Names{"R"} << "SCIE" << QStringList{press, press};
    QTest::newRow("new search") << "new search" << all << "SCISCIE" << QStringList{press, press, press};
    QTest::newRow("close") << "close" << Names{"R"} << "SC" << QStringList{press};
    QTest::newRow("delete") << "delete" << Names{} << "SC" << QStringList{press};
    QTest::newRow("stalled") << "stalled" << Names{"R"} << "SCIE" << QStringList{press, "4 Processing..."};
    QTest::newRow("waiting for a dialog") << "dialog" << all << "SCIE" << QStringList{press};
  }
  void insideTheFirstYield() {
    QFETCH(QString, action);
    QFETCH(Names, folders);
    QFETCH(QString, told);
    QFETCH(QStringList, busies);
    SampleTree t;
    WindowRig rig;
    const int handles = openHandles(), threads = runningThreads();
    QPointer<SearchSession> s = new SearchSession(rig.context(), true);
    s->walk()->setReadAhead(4, ReadAhead::When::Always);
    QString heard;
    connect(s, &SearchSession::searchingChanged, [&](bool on) { heard += on ? "S" : "I"; });
    connect(s, &SearchSession::cleared, [&] { heard += "C"; });
    connect(s, &SearchSession::finished, [&] { heard += "E"; });
    s->setNameText("f.txt");
    QTimer::singleShot(0, [&] {
      if (action == "stop" || action == "new search") s->press(t.root(), "Processing...");
      if (action == "new search") s->press(t.root(), "Processing...");
      if (action == "close") s->close();
      if (action == "delete") delete s.data();
      if (action == "stalled")
        for (int tick = 0; tick < 4; ++tick) s->watchdogTick();
      if (action == "dialog") {
        QEventLoop dialog;  // a file dialog or a drag opened from the list: the walk waits, it has not stalled
        QTimer::singleShot(0, [&] {
          for (int tick = 0; tick < 8; ++tick) s->watchdogTick();
          dialog.quit();
        });
        dialog.exec();
      }
    });
    s->press(t.root(), "Processing...");
    if (s) {
      QCOMPARE(folderRuns(s->results(), t.root()), folders);
      QCOMPARE(s->walking(), false);
      s->press(t.root(), "Processing...");  // closed: nothing; otherwise the same search again
      if (!s->isOpen()) QCOMPARE(s->walk(), nullptr);
      else busies << "1 Processing...";
    }
    QCOMPARE(heard.left(told.size()), told);
    QStringList shown;
    for (const RecordingDialogs::Busy& b : rig.dialogs.busies) shown << QString::number(b.ticks) + " " + b.caption;
    QCOMPARE(shown, busies);
    delete s.data();
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(runningThreads(), threads, 2000);
  }
};

QTEST_MAIN(SearchSessionTest)
#include "tst_searchsession.moc"
