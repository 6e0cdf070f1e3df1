// The All Files window driven headless through its controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QtTest>

#include "engine/FolderWalk.h"
#include "engine/ResultsModel.h"
#include "platform/IniSettingsStore.h"
#include "shell/MYVARS.h"
#include "support/FailingFileSystem.h"
#include "support/RecordingDialogs.h"
#include "support/TempTree.h"
#include "windows/ButtonFace.h"
#include "windows/LabelButton.h"
#include "windows/frmall.h"

namespace {
using Names = std::vector<std::string>;

// R{A{A1, A2}, B{B1}, C}, one "f.txt" in each folder.
void buildSample(TempTree& t) {
  for (const char* f : {"A/A1", "A/A2", "B/B1", "C"}) t.folder(f);
  for (const char* f : {"", "A", "B", "C", "A/A1", "A/A2", "B/B1"}) t.file(std::string(f) + (*f ? "/" : "") + "f.txt");
}

Names foldersOf(SearchWindow& w, const std::string& root) {
  Names out;
  for (int r = 0; r < w.results().rowCount(); ++r) {
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
  std::unique_ptr<QTemporaryDir> settingsDir_;
  std::unique_ptr<IniSettingsStore> settings_;
  std::unique_ptr<RecordingDialogs> dialogs_;

  std::unique_ptr<frmall> open() {
    auto w = std::make_unique<frmall>();
    w->show();
    return w;
  }
  void expectMessage(std::size_t i, const QString& text, const QString& title, QMessageBox::Icon icon) {
    QCOMPARE(dialogs_->messages.size(), i + 1);
    QCOMPARE(dialogs_->messages[i].text, text);
    QCOMPARE(dialogs_->messages[i].title, title);
    QCOMPARE(dialogs_->messages[i].icon, icon);
  }
  void search(SearchWindow& w, const QString& name, const std::string& location) {
    w.txtname->setText(name);
    w.cboLoc->setEditText(QString::fromStdString(location));
    click(w.cmdfind);
  }

private Q_SLOTS:
  void init() {
    MYVARS::resetState();
    settingsDir_ = std::make_unique<QTemporaryDir>();
    settings_ = std::make_unique<IniSettingsStore>(settingsDir_->path());
    MYVARS::setSettings(settings_.get());
    MYVARS::setCommandLine("");
    dialogs_ = std::make_unique<RecordingDialogs>();
  }
  void cleanup() {
    dialogs_.reset();
    MYVARS::setSettings(nullptr);
  }

  void firstOpening() {
    auto w = open();
    QCOMPARE(w->txtname->text(), QString());
    QCOMPARE(w->cboLoc->currentText(), QString("/"));
    QCOMPARE(w->cboLoc->itemText(0), QString("/"));
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
    QVERIFY(w->lblin->isHidden());
    QCOMPARE(w->lblfound->text(), QString("0 files found"));
    QTRY_COMPARE_WITH_TIMEOUT(w->lblfound->text(), QString("0 File(s) Found!"), 1000);
    QVERIFY(dialogs_->busies.empty());
  }

  void inputMessagesInTheirOrder() {
    auto w = open();
    w->walk()->lst.push_back("/queued");
    search(*w, "  ab  ", "   ");
    QVERIFY(w->walk()->lst.empty());  // every press empties the queue first
    expectMessage(0, "You must provide text at least of 3 characters.", "Quorrel 2.0", QMessageBox::Information);

    search(*w, " abc ", "   ");
    expectMessage(1, "Please specify the location.", "Error", QMessageBox::Information);

    w->chkmatch->setChecked(true);
    search(*w, "abc", "/no/such/Nowhere ");
    expectMessage(2, "/no/such/Nowhere  path was not found.", "Error", QMessageBox::Critical);
    QVERIFY(MYVARS::state().MatchCase);  // set before the folder check
    QVERIFY(dialogs_->busies.empty());
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
  }

  void searchFillsTheListBreadthFirstAndReturnsToIdle() {
    TempTree t;
    buildSample(t);
    auto w = open();
    search(*w, "f.t", t.root());
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R", "A", "B", "C", "A/A1", "A/A2", "B/B1"}));
    QCOMPARE(dialogs_->busyCaptions(), QStringList{"Processing..."});
    QCOMPARE(dialogs_->busies[0].ticks, 1);
    // The idle look as soon as the walk has ended; the status line keeps its last text.
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
    QVERIFY(w->lblin->isHidden());
    QCOMPARE(w->lblin->text(), "Searching In " + QString::fromStdString(t.path("B/B1")) + "...");
    QCOMPARE(w->lblfound->text(), QString("7 File(s) Found!"));
    QCOMPARE(w->lblfound->toolTip(), QString());
  }

  void stopMidSearch() {
    TempTree t;
    buildSample(t);
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
    QCOMPARE(dialogs_->busyCaptions(), (QStringList{"Processing...", "Processing..."}));
  }

  void enterAndEscapeInBothStates() {
    TempTree t;
    buildSample(t);
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
    QCOMPARE(dialogs_->busyCaptions().last(), QString("Returning..."));

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
      QCOMPARE(dialogs_->busyCaptions(), QStringList{"Returning..."});
    }
    QCOMPARE(settings_->get("x", "y", "named", "?"), QString("report"));
    QCOMPARE(settings_->get("x", "y", "loc", "?"), QString("/tmp"));
    auto again = open();
    QCOMPARE(again->txtname->text(), QString("report"));
    QCOMPARE(again->cboLoc->currentText(), QString("/tmp"));
    again->txtname->clear();
    QTest::mouseClick(again->Label4, Qt::LeftButton);  // the "X" closes and saves too
    QVERIFY(!again->isVisible());
    QCOMPARE(settings_->get("x", "y", "named", "?"), QString());
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
    buildSample(t);
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

  void closingInsideAYield() {
    TempTree t;
    buildSample(t);
    auto w = open();
    later([&] { w->close(); });
    search(*w, "f.txt", t.root());
    QVERIFY(!w->isVisible());
    QCOMPARE(dialogs_->busyCaptions(), (QStringList{"Processing...", "Returning..."}));
    QCOMPARE(settings_->get("x", "y", "named", "?"), QString("f.txt"));
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R"}));
    w.reset();  // freed after the walk has unwound
  }

  void deletedInsideAYield() {
    TempTree t;
    buildSample(t);
    QPointer<frmall> w = new frmall;
    w->show();
    w->txtname->setText("f.txt");
    w->cboLoc->setEditText(QString::fromStdString(t.root()));
    later([&] { delete w.data(); });
    w->cmdfind_Click();
    QVERIFY(w.isNull());
  }

  void newSearchFromInsideAYield() {
    // Stop, then Find again while the old walk still waits in its yield.
    TempTree t, other;
    buildSample(t);
    other.file("f.txt.new");
    auto w = open();
    later([&] {
      click(w->cmdfind);  // Stop
      w->cboLoc->setEditText(QString::fromStdString(other.root()));
      click(w->cmdfind);  // Find: the new walk runs here, inside the old one's yield
    });
    search(*w, "f.txt", t.root());
    QCOMPARE(w->results().rowCount(), 1);
    QCOMPARE(w->results().name(0), std::string_view("f.txt.new"));
    QVERIFY(MYVARS::state().StopFlag);
  }

  void watchdogEndsAStalledSearch() {
    TempTree t;
    buildSample(t);
    auto w = open();
    later([&] {
      for (int tick = 0; tick < 4; ++tick) w->tmrp_Timer();  // no status change in between
    });
    search(*w, "f.txt", t.root());
    QCOMPARE(dialogs_->busies.back().caption, QString("Processing..."));
    QCOMPARE(dialogs_->busies.back().ticks, 4);
    QVERIFY(MYVARS::state().StopFlag);
    QCOMPARE(MYVARS::state().IdleTicks, 0);
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R"}));
    w->tmrr_Timer();  // the idle look
    const std::size_t busies = dialogs_->busies.size();
    for (int tick = 0; tick < 8; ++tick) w->tmrp_Timer();  // idle: the watchdog does nothing
    QCOMPARE(dialogs_->busies.size(), busies);
  }

  void buttonLooks() {
    auto w = open();
    QTest::mousePress(w->cmdfind, Qt::LeftButton);
    QVERIFY(w->pict->isShowingPressed() && w->pict->isBordered());
    QTest::mouseRelease(w->cmdfind, Qt::LeftButton, {}, QPoint(-5, -5));  // released outside: no press
    QVERIFY(!w->pict->isShowingPressed() && !w->pict->isBordered());
    QVERIFY(dialogs_->messages.empty());
    QTest::mousePress(w->pictb, Qt::LeftButton, {}, QPoint(2, 2));  // the picture outside its label
    QVERIFY(w->pictb->isShowingPressed() && !w->pictb->isBordered());
    QTest::mouseRelease(w->pictb, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!w->pictb->isShowingPressed());
    QVERIFY(w->isVisible());
  }
};

QTEST_MAIN(FrmallTest)
#include "tst_frmall.moc"
