// SPDX-License-Identifier: GPL-3.0-or-later
// The busy window: its ticks, what closes it, and a display asked for while one is open.
#include <QtTest>

#include "support/WindowRig.h"
#include "ui/BusyWindow.h"
#include "ui/DesktopDialogs.h"

namespace {
constexpr int kFastTickMs = 5;

int openBusyWindows() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return int(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<BusyWindow*>(w); }));
}
}  // namespace

class BusyWindowTest : public QObject {
  Q_OBJECT
  WindowRig rig_;
  DesktopDialogs desktop_;
  std::unique_ptr<Context> context_;

private Q_SLOTS:
  void init() { context_ = std::make_unique<Context>(rig_.settings, rig_.fileSystem, rig_.icons, rig_.opener, rig_.fileManager, desktop_, "", kFastTickMs); }

  // White, whatever the theme. Only its own timer closes it, on the tick after its count: Escape and the window
  // manager's close do nothing. A timer of another window asking for a busy display
  // while one is open takes the open one over, and both return when it closes.
  void busyWindow_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("takenOver");
    QTest::newRow("0 ticks") << 0 << false;
    QTest::newRow("6 ticks") << 6 << false;
    QTest::newRow("40 ticks, taken over by 2") << 40 << true;
  }
  void busyWindow() {
    QFETCH(int, ticks);
    QFETCH(bool, takenOver);
    int seen = 0;  // close-timer ticks
    QString takeOver;                    // the caption and how many busy windows show meanwhile
    QTimer::singleShot(0, [&] {
      QCOMPARE(desktop_.openBusyWindow()->grab().toImage().pixelColor(3, 3), QColor(Qt::white));  // inside its border
      connect(&desktop_.openBusyWindow()->closeTimer, &QTimer::timeout, [&] { ++seen; });
      QTest::keyClick(desktop_.openBusyWindow(), Qt::Key_Escape);
      desktop_.openBusyWindow()->close();
    });
    if (takenOver) QTimer::singleShot(2 * kFastTickMs, [&] {
      QTimer::singleShot(0, [&] {
        takeOver = desktop_.openBusyWindow()->captionLabel->text() + QString(" %1").arg(openBusyWindows());
      });
      context_->showBusy(2, "Failed..");
      takeOver += ", returned";
    });
    context_->showBusy(std::int16_t(ticks), "Processing...");
    QCOMPARE(takeOver, QString(takenOver ? "Failed.. 1, returned" : ""));
    QVERIFY2(takenOver ? seen < 40 : seen == ticks + 1, qPrintable(QString::number(seen)));  // taken over: 2 closed it
    QVERIFY(desktop_.openBusyWindow() == nullptr && openBusyWindows() == 0);
  }
};

QTEST_MAIN(BusyWindowTest)
#include "tst_busywindow.moc"
