// The All Files window driven headless through its controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QtTest>

#include "engine/FolderWalk.h"
#include "platform/core/IniSettingsStore.h"
#include "shell/MYVARS.h"
#include "support/FailingFileSystem.h"
#include "support/OpenHandles.h"
#include "support/WindowRig.h"
#include "support/TempTree.h"
#include "windows/ButtonFace.h"
#include "shell/LabelButton.h"
#include "windows/frmall.h"

namespace {
using Names = std::vector<std::string>;


Names foldersOf(SearchWindow& w, const std::string& root) {
  Names out;
  for (std::size_t r = 0; r < w.results().size(); ++r) {
    std::string f = w.results().folder(r);
    f = f == root ? "R" : f.substr(root.size() + 1);
    if (out.empty() || out.back() != f) out.push_back(f);
  }
  return out;
}

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
void later(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }
}  // namespace

class FrmallTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;

  std::unique_ptr<frmall> open() {
    auto w = std::make_unique<frmall>();
    w->show();
    return w;
  }
  void expectMessage(std::size_t i, const QString& text, const QString& title, QMessageBox::Icon icon) {
    QCOMPARE(rig_->dialogs.messages.size(), i + 1);
    QCOMPARE(rig_->dialogs.messages[i].text, text);
    QCOMPARE(rig_->dialogs.messages[i].title, title);
    QCOMPARE(rig_->dialogs.messages[i].icon, icon);
  }
  void search(SearchWindow& w, const QString& name, const std::string& location) {
    w.txtname->setText(name);
    w.cboLoc->setEditText(QString::fromStdString(location));
    click(w.cmdfind);
  }

private Q_SLOTS:
  void init() { rig_ = std::make_unique<WindowRig>(); }
  void cleanup() { rig_.reset(); }

  void firstOpening() {
    auto w = open();
    QCOMPARE(w->txtname->text(), QString());
    QCOMPARE(w->cboLoc->currentText(), QString("/"));
    QCOMPARE(w->cboLoc->itemText(0), QString("/"));
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
    QVERIFY(w->lblin->isHidden());
    QCOMPARE(w->lblfound->text(), QString("0 files found"));
    QTRY_COMPARE_WITH_TIMEOUT(w->lblfound->text(), QString("0 File(s) Found!"), 1000);
    QVERIFY(rig_->dialogs.busies.empty());
  }

  void inputMessagesInTheirOrder() {
    auto w = open();
    search(*w, "  ab  ", "   ");
    expectMessage(0, "You must provide text at least of 3 characters.", "Quorrel 2.0", QMessageBox::Information);

    search(*w, " abc ", "   ");
    expectMessage(1, "Please specify the location.", "Error", QMessageBox::Information);

    w->chkmatch->setChecked(true);
    search(*w, "abc", "/no/such/Nowhere ");
    expectMessage(2, "/no/such/Nowhere  path was not found.", "Error", QMessageBox::Critical);
    QVERIFY(MYVARS::state().MatchCase);  // set before the folder check
    QVERIFY(rig_->dialogs.busies.empty());
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
  }

  void refusedPressDuringASearchStillEmptiesTheQueue() {
    TempTree t;
    t.sample();
    auto w = open();
    later([&] {  // while the start folder's subfolders are queued
      w->txtname->setText("ab");
      click(w->cmdfind);
    });
    search(*w, "f.txt", t.root());
    expectMessage(0, "You must provide text at least of 3 characters.", "Quorrel 2.0", QMessageBox::Information);
    QVERIFY(MYVARS::state().StopFlag);
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
    // Only what was queued after the press is walked: here, the rest of R's subfolders.
    QVERIFY(foldersOf(*w, t.root()).size() < 7);
  }

  void searchFillsTheListBreadthFirstAndReturnsToIdle() {
    TempTree t;
    t.sample();
    auto w = open();
    search(*w, "f.t", t.root());
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R", "A", "B", "C", "A/A1", "A/A2", "B/B1"}));
    QCOMPARE(rig_->dialogs.busyCaptions(), QStringList{"Processing..."});
    QCOMPARE(rig_->dialogs.busies[0].ticks, 1);
    // The idle look as soon as the walk has ended; the status line keeps its last text.
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
    QVERIFY(w->lblin->isHidden());
    QCOMPARE(w->lblin->text(), "Searching In " + QString::fromStdString(t.path("B/B1")) + "...");
    QCOMPARE(w->lblfound->text(), QString("7 File(s) Found!"));
    QCOMPARE(w->lblfound->toolTip(), QString());
  }

  void stopMidSearch() {
    TempTree t;
    t.sample();
    auto w = open();
    QString captionInside;
    // The first yield comes while the start folder's subfolders are queued.
    later([&] {
      captionInside = w->cmdfind->text();
      click(w->cmdfind);
    });
    search(*w, "f.txt", t.root());
    QCOMPARE(captionInside, QString("&Stop!"));
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R"}));
    QVERIFY(MYVARS::state().StopFlag);
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
    QVERIFY(w->lblin->isHidden());
    QCOMPARE(rig_->dialogs.busyCaptions(), (QStringList{"Processing...", "Processing..."}));
  }

  void enterAndEscapeInBothStates() {
    TempTree t;
    t.sample();
    auto w = open();
    w->txtname->setText("f.txt");
    w->cboLoc->setEditText(QString::fromStdString(t.root()));
    later([&] { QTest::keyClick(w->txtname, Qt::Key_Return); });  // running: Enter stops
    QTest::keyClick(w->cboLoc->lineEdit(), Qt::Key_Return);       // idle: Enter starts
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R"}));
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));

    later([&] { QTest::keyClick(w->txtname, Qt::Key_Escape); });  // running: Escape closes
    QTest::keyClick(w->txtname, Qt::Key_Return);
    QVERIFY(!w->isVisible());
    QVERIFY(w->walk() == nullptr);
    QCOMPARE(rig_->dialogs.busyCaptions().last(), QString("Returning..."));

    auto idle = open();
    QTest::keyClick(idle->cboLoc->lineEdit(), Qt::Key_Escape);  // idle: Escape closes
    QVERIFY(!idle->isVisible());
  }

  void settingsRoundTripAcrossOpenings() {
    {
      auto w = open();
      w->txtname->setText("report");
      w->cboLoc->setEditText("/tmp");
      click(w->cmdcanc);
      QVERIFY(!w->isVisible());
      QCOMPARE(rig_->dialogs.busyCaptions(), QStringList{"Returning..."});
    }
    QCOMPARE(rig_->settings.get("x", "y", "named", "?"), QString("report"));
    QCOMPARE(rig_->settings.get("x", "y", "loc", "?"), QString("/tmp"));
    auto again = open();
    QCOMPARE(again->txtname->text(), QString("report"));
    QCOMPARE(again->cboLoc->currentText(), QString("/tmp"));
    again->txtname->clear();
    QTest::mouseClick(again->closeLabel, Qt::LeftButton);  // the "X" closes and saves too
    QVERIFY(!again->isVisible());
    QCOMPARE(rig_->settings.get("x", "y", "named", "?"), QString());
  }

  void commandLineLocation() {
    MYVARS::setCommandLine(" /srv/My Files ");
    auto w = open();
    QCOMPARE(w->cboLoc->currentText(), QString(" /srv/My Files "));
    QCOMPARE(w->cboLoc->itemText(w->cboLoc->count() - 1), QString(" /srv/My Files "));
    QCOMPARE(w->cboLoc->itemText(0), QString("/"));
    MYVARS::setCommandLine("   ");
    auto blank = open();
    QCOMPARE(blank->cboLoc->currentText(), QString("/"));
  }

  void unreadableCountInTheFoundLabel() {
    TempTree t;
    t.sample();
    FailingFileSystem fs;
    fs.unreadableFolders = {t.path("B")};
    MYVARS::state().Fso = &fs;
    auto w = open();
    search(*w, "f.txt", t.root());
    QTRY_COMPARE_WITH_TIMEOUT(w->cmdfind->text(), QString("&Find Now!"), 1000);
    QCOMPARE(w->lblfound->text(), QString("5 File(s) Found! (1 could not be read)"));
    QCOMPARE(w->lblfound->toolTip(), QString::fromStdString(t.path("B")));
    fs.unreadableFolders.clear();
    search(*w, "f.txt", t.root());
    QTRY_COMPARE_WITH_TIMEOUT(w->lblfound->text(), QString("7 File(s) Found!"), 1000);
    QCOMPARE(w->lblfound->toolTip(), QString());
    w.reset();
    MYVARS::state().Fso = nullptr;
  }

  // Closed or deleted mid-search, with workers reading ahead: no worker
  // left running and no handle left open.
  void closingInsideAYield() {
    TempTree t;
    t.sample();
    const int handles = openHandles();
    const int threads = runningThreads();
    auto w = open();
    w->walk()->setReadAhead(4, ReadAhead::When::Always);
    later([&] { w->close(); });
    search(*w, "f.txt", t.root());
    QVERIFY(!w->isVisible());
    QCOMPARE(rig_->dialogs.busyCaptions(), (QStringList{"Processing...", "Returning..."}));
    QCOMPARE(rig_->settings.get("x", "y", "named", "?"), QString("f.txt"));
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R"}));
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
    w.reset();  // freed after the walk has unwound
    QTRY_COMPARE_WITH_TIMEOUT(runningThreads(), threads, 2000);
  }

  void deletedInsideAYield() {
    TempTree t;
    t.sample();
    const int handles = openHandles();
    const int threads = runningThreads();
    QPointer<frmall> w = new frmall;
    w->walk()->setReadAhead(4, ReadAhead::When::Always);
    w->show();
    w->txtname->setText("f.txt");
    w->cboLoc->setEditText(QString::fromStdString(t.root()));
    later([&] { delete w.data(); });
    w->cmdfind_Click();
    QVERIFY(w.isNull());
    QTRY_COMPARE_WITH_TIMEOUT(runningThreads(), threads, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
  }

  void newSearchFromInsideAYield() {
    // Stop, then Find again while the old walk still waits in its yield.
    TempTree t, other;
    t.sample();
    other.file("f.txt.new");
    auto w = open();
    later([&] {
      click(w->cmdfind);  // Stop
      w->cboLoc->setEditText(QString::fromStdString(other.root()));
      click(w->cmdfind);  // Find: the new walk runs here, inside the old one's yield
    });
    search(*w, "f.txt", t.root());
    QCOMPARE(w->results().size(), std::size_t(1));
    QCOMPARE(w->results().name(0), std::string_view("f.txt.new"));
    QVERIFY(MYVARS::state().StopFlag);
  }

  void watchdogEndsAStalledSearch() {
    TempTree t;
    t.sample();
    auto w = open();
    later([&] {
      for (int tick = 0; tick < 4; ++tick) w->tmrp_Timer();  // no status change in between
    });
    search(*w, "f.txt", t.root());
    QCOMPARE(rig_->dialogs.busies.back().caption, QString("Processing..."));
    QCOMPARE(rig_->dialogs.busies.back().ticks, 4);
    QVERIFY(MYVARS::state().StopFlag);
    QCOMPARE(MYVARS::state().IdleTicks, 0);
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R"}));
    w->tmrr_Timer();  // the idle look
    const std::size_t busies = rig_->dialogs.busies.size();
    for (int tick = 0; tick < 8; ++tick) w->tmrp_Timer();  // idle: the watchdog does nothing
    QCOMPARE(rig_->dialogs.busies.size(), busies);
  }

  void earlyEndIsSaid() {
    TempTree t;
    t.sample();
    FailingFileSystem fs;
    fs.fault = FailingFileSystem::Fault::OutOfHandles;
    fs.faultAtCall = 5;  // entering the third folder: R and A were listed
    MYVARS::state().Fso = &fs;
    auto w = open();
    search(*w, "f.txt", t.root());
    QCOMPARE(w->lblfound->text(), QString("2 File(s) Found! (search ended early: out of file handles)"));
    QVERIFY(w->lblfound->toolTip().contains("out of file handles"));
    fs.fault = FailingFileSystem::Fault::None;
    search(*w, "f.txt", t.root());
    QCOMPARE(w->lblfound->text(), QString("7 File(s) Found!"));
    w.reset();
    MYVARS::state().Fso = nullptr;
  }

  // A folder's name need not be UTF-8: from the command line to the search,
  // into the settings and back.
  void locationsKeepTheirBytes() {
    TempTree t;
    t.folder("caf\xe9");
    t.file("caf\xe9/inside.txt");
    const std::string folder = t.path("caf\xe9");
    MYVARS::setCommandLine(folder);
    {
      auto w = open();
      const QString shown = QString::fromStdString(t.root()) + "/caf\\xe9";
      QCOMPARE(w->cboLoc->currentText(), shown);
      w->txtname->setText("inside");
      w->cboLoc->setEditText(shown);
      click(w->cmdfind);
      QVERIFY(rig_->dialogs.messages.empty());
      w->cboLoc->setCurrentIndex(w->cboLoc->count() - 1);
      click(w->cmdfind);
      QCOMPARE(w->results().size(), std::size_t(1));
      QCOMPARE(w->results().folder(0), folder);
      click(w->cmdcanc);
    }
    QCOMPARE(rig_->settings.get("x", "y", "loc", "?").left(7), QString("file://"));
    MYVARS::setCommandLine({});
    auto again = open();
    again->txtname->setText("inside");
    click(again->cmdfind);
    QCOMPARE(again->results().size(), std::size_t(1));
    // Text that would read as the escaped form is kept as text.
    again->cboLoc->setEditText("file:///tmp");
    click(again->cmdcanc);
    auto third = open();
    QCOMPARE(third->cboLoc->currentText(), QString("file:///tmp"));
  }

  void escapeClosesOnlyFromTheFields() {
    auto w = open();
    for (QWidget* other : std::initializer_list<QWidget*>{w->chkmatch, w->lv, w->cmdfind}) {
      QTest::keyClick(other, Qt::Key_Escape);
      QVERIFY2(w->isVisible(), qPrintable(other->objectName()));
    }
    QTest::keyClick(w->txtname, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
  }

  void closeLabelClosesOnALeftClickOnItOnly() {
    auto w = open();
    QTest::mousePress(w->closeLabel, Qt::LeftButton);
    QTest::mouseRelease(w->closeLabel, Qt::LeftButton, {}, QPoint(-40, 60));  // released elsewhere
    QTest::mouseClick(w->closeLabel, Qt::RightButton);
    QVERIFY(w->isVisible());
    QTest::mouseClick(w->closeLabel, Qt::LeftButton);
    QVERIFY(!w->isVisible());
  }

  void buttonLooks() {
    auto w = open();
    QTest::mousePress(w->cmdfind, Qt::LeftButton);
    QVERIFY(w->pict->isShowingPressed() && w->pict->isBordered());
    QTest::mouseRelease(w->cmdfind, Qt::LeftButton, {}, QPoint(-5, -5));  // released outside: no press
    QVERIFY(!w->pict->isShowingPressed() && !w->pict->isBordered());
    QVERIFY(rig_->dialogs.messages.empty());
    QTest::mousePress(w->pictb, Qt::LeftButton, {}, QPoint(2, 2));  // the picture outside its label
    QVERIFY(w->pictb->isShowingPressed() && !w->pictb->isBordered());
    QTest::mouseRelease(w->pictb, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!w->pictb->isShowingPressed());
    QVERIFY(w->isVisible());
  }
};

QTEST_MAIN(FrmallTest)
#include "tst_frmall.moc"
