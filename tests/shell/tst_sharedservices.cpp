// The busy window: its ticks, what closes it, and a display asked for while
// one is open.
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "support/WindowRig.h"
#include "ui/BusyWindow.h"
#include "ui/DesktopDialogs.h"

namespace {
constexpr int kFastTickMs = 5;

// Counts the close-timer ticks of the next busy window.
int* countTicksOfNextBusyWindow() {
  auto* ticks = new int(0);
  QTimer::singleShot(0, [ticks] {
    if (BusyWindow* w = BusyWindow::current()) QObject::connect(&w->closeTimer, &QTimer::timeout, [ticks] { ++*ticks; });
  });
  return ticks;
}

int openBusyWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<BusyWindow*>(w)) ++n;
  return n;
}
}  // namespace

class SharedServicesTest : public QObject {
  Q_OBJECT
  WindowRig rig_;
  DesktopDialogs desktop_;
  std::unique_ptr<Context> context_;

private Q_SLOTS:
  void init() { context_ = std::make_unique<Context>(rig_.settings, rig_.fileSystem, rig_.icons, rig_.opener, desktop_, "", kFastTickMs); }

  void busyWindowClosesOnTheTickAfterItsCount_data() {
    QTest::addColumn<int>("ticks");
    QTest::newRow("0 ticks") << 0;
    QTest::newRow("6 ticks") << 6;
  }
  // Escape and the window manager's close do nothing: only its own timer closes it.
  void busyWindowClosesOnTheTickAfterItsCount() {
    QFETCH(int, ticks);
    int busyTicksInside = -1;
    std::unique_ptr<int> seen(countTicksOfNextBusyWindow());
    QTimer::singleShot(0, [&] {
      busyTicksInside = context_->state().busyTicks;
      QTest::keyClick(BusyWindow::current(), Qt::Key_Escape);
      BusyWindow::current()->close();
    });
    context_->showBusy(std::int16_t(ticks), "Processing...");
    QCOMPARE(*seen, ticks + 1);
    QCOMPARE(busyTicksInside, ticks);
    QCOMPARE(context_->state().busyTicks, 0);
    QVERIFY(BusyWindow::current() == nullptr && openBusyWindows() == 0);
  }

  // A timer of another window asks for a busy display while one is open: it
  // takes the open one over, and both return when it closes.
  void busyDisplayDuringABusyDisplayTakesItOver() {
    int windowsDuring = 0;
    bool innerReturned = false;
    std::unique_ptr<int> seen(countTicksOfNextBusyWindow());
    QString captionAfterTakeOver;
    QTimer::singleShot(2 * kFastTickMs, [&] {
      QTimer::singleShot(0, [&] {
        captionAfterTakeOver = BusyWindow::current()->captionLabel->text();
        windowsDuring = openBusyWindows();
      });
      context_->showBusy(2, "Failed..");
      innerReturned = true;
    });
    context_->showBusy(40, "Openning Application...");
    QVERIFY(innerReturned);
    QCOMPARE(windowsDuring, 1);
    QCOMPARE(captionAfterTakeOver, QString("Failed.."));
    QVERIFY(*seen < 40);  // the inner count of 2 closed it
    QCOMPARE(openBusyWindows(), 0);
    QCOMPARE(context_->state().busyTicks, 0);
  }
};

QTEST_MAIN(SharedServicesTest)
#include "tst_sharedservices.moc"
