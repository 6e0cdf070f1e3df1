// The shared services: the busy window and its ticks, transparency and the
// technical-error box.
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "shell/MYVARS.h"
#include "shell/frmpgr.h"
#include "support/RecordingDialogs.h"

namespace {
constexpr int kFastTickMs = 5;

// Counts the close-timer ticks of the next busy window.
int* countTicksOfNextBusyWindow() {
  auto* ticks = new int(0);
  QTimer::singleShot(0, [ticks] {
    if (frmpgr* w = frmpgr::current()) QObject::connect(&w->tmru, &QTimer::timeout, [ticks] { ++*ticks; });
  });
  return ticks;
}

int openBusyWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<frmpgr*>(w)) ++n;
  return n;
}
}  // namespace

class SharedServicesTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() {
    MYVARS::resetState();
    MYVARS::setBusyTickMs(kFastTickMs);
  }

  void reportErrorText() {
    RecordingDialogs dialogs;
    MYVARS::ReportError("Disk not ready", -2147);
    MYVARS::ReportError("", 0);
    QCOMPARE(dialogs.messages.size(), std::size_t(2));
    const auto& m = dialogs.messages[0];
    QCOMPARE(m.title, QString("Technical Software Error!"));
    QCOMPARE(m.icon, QMessageBox::Critical);
    QVERIFY(m.text.startsWith("Technical Software Error occurred"));
    QVERIFY(m.text.endsWith(" as under: \r\n\r\nError Description: Disk not ready\r\n\r\nError Code: -2147"));
    QVERIFY(dialogs.messages[1].text.endsWith(": \r\n\r\nError Description: \r\n\r\nError Code: 0"));
  }

  void busyWindowClosesOnTheTickAfterItsCount_data() {
    QTest::addColumn<int>("ticks");
    QTest::newRow("0 ticks") << 0;
    QTest::newRow("1 tick") << 1;
    QTest::newRow("6 ticks") << 6;
  }
  void busyWindowClosesOnTheTickAfterItsCount() {
    QFETCH(int, ticks);
    QString shownCaption;
    int busyTicksInside = -1;
    std::unique_ptr<int> seen(countTicksOfNextBusyWindow());
    QTimer::singleShot(0, [&] {
      if (frmpgr* w = frmpgr::current()) {
        shownCaption = w->Label1->text();
        busyTicksInside = MYVARS::state().BusyTicks;
      }
    });
    MYVARS::ShowBusy(std::int16_t(ticks), "Processing...");
    QCOMPARE(*seen, ticks + 1);
    QCOMPARE(shownCaption, QString("Processing..."));
    QCOMPARE(busyTicksInside, ticks);
    QCOMPARE(MYVARS::state().BusyTicks, 0);
    QVERIFY(frmpgr::current() == nullptr);
    QCOMPARE(openBusyWindows(), 0);
  }

  void eachDisplayIsAFreshWindow() {
    std::vector<int> markerAtStart, counterAtStart;
    auto look = [&] {
      QTimer::singleShot(0, [&] {
        markerAtStart.push_back(frmpgr::current()->markerLeft());
        counterAtStart.push_back(frmpgr::current()->tickCount());
      });
    };
    look();
    MYVARS::ShowBusy(2, "Processing...");
    look();
    MYVARS::ShowBusy(3, "Examining Types...");
    QCOMPARE(markerAtStart, (std::vector<int>{240, 240}));
    QCOMPARE(counterAtStart, (std::vector<int>{0, 0}));
  }

  void markerSlidesBetweenItsEnds() {
    frmpgr w(1000);
    std::vector<int> seen{w.markerLeft()};
    for (int i = 0; i < 22; ++i) {
      if (w.tmr.isActive() || !w.tmrb.isActive()) w.tmr_Timer();
      else w.tmrb_Timer();
      seen.push_back(w.markerLeft());
    }
    const std::vector<int> expected{240,  640,  1040, 1440, 1840, 2240, 2640, 3040, 3440, 3840, 3440, 3040,
                                    2640, 2240, 1840, 1440, 1040, 640,  240,  -160, 240,  640,  1040};
    QCOMPARE(seen, expected);
  }

  void busyDisplayDuringABusyDisplayTakesItOver() {
    // A timer of another window asks for a busy display while one is open.
    int windowsDuring = 0;
    bool innerReturned = false;
    std::unique_ptr<int> seen(countTicksOfNextBusyWindow());
    QString captionAfterTakeOver;
    QTimer::singleShot(2 * kFastTickMs, [&] {
      windowsDuring = openBusyWindows();
      QTimer::singleShot(0, [&] { captionAfterTakeOver = frmpgr::current()->Label1->text(); });
      MYVARS::ShowBusy(2, "Failed..");
      innerReturned = true;
      windowsDuring = std::max(windowsDuring, openBusyWindows());
    });
    MYVARS::ShowBusy(40, "Openning Application...");
    QVERIFY(innerReturned);
    QCOMPARE(windowsDuring, 1);
    QCOMPARE(captionAfterTakeOver, QString("Failed.."));
    QVERIFY(*seen < 40);  // the inner count of 2 closed it
    QCOMPARE(openBusyWindows(), 0);
    QCOMPARE(MYVARS::state().BusyTicks, 0);
  }

  void onlyItsOwnTimerClosesTheBusyWindow() {
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
      frmpgr* w = frmpgr::current();
      QTest::keyClick(w, Qt::Key_Escape);
      w->close();  // as the window manager's close button would
      stillOpen = frmpgr::current() == w && w->isVisible();
    });
    MYVARS::ShowBusy(3, "Processing...");
    QVERIFY(stillOpen);
    QCOMPARE(openBusyWindows(), 0);
  }

  void makeTransparent() {
    RecordingDialogs dialogs;
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MYVARS::MakeTransparent(&window);
    QCOMPARE(dialogs.busyCaptions(), QStringList{"Transforming..."});
    QCOMPARE(dialogs.busies[0].ticks, 1);
    QVERIFY(dialogs.messages.empty());
    QVERIFY(qAbs(window.windowOpacity() - 200.0 / 255.0) < 0.01);

    QWidget neverShown;  // no native window yet: reported, stays opaque
    MYVARS::MakeTransparent(&neverShown);
    MYVARS::MakeTransparent(nullptr);
    QCOMPARE(dialogs.busies.size(), std::size_t(3));
    QCOMPARE(dialogs.messages.size(), std::size_t(2));
    QCOMPARE(dialogs.messages[0].title, QString("Technical Software Error!"));
    QVERIFY(dialogs.messages[1].text.contains("Error Code: 91"));
    QCOMPARE(neverShown.windowOpacity(), 1.0);
  }
};

QTEST_MAIN(SharedServicesTest)
#include "tst_sharedservices.moc"
