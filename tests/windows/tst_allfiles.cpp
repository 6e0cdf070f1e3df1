// The All Files window driven headless through its controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QtTest>

#include "support/OpenHandles.h"
#include "support/WindowRig.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"
#include "windows/LocationBox.h"
#include "ui/LabelButton.h"
#include "windows/AllFilesWindow.h"
#include "windows/SearchWindow.h"

namespace {
Names foldersOf(SearchWindow& w, const std::string& root) { return folderRuns(w.results(), root); }

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
void later(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }
}  // namespace

class AllFilesTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;

  std::unique_ptr<SearchWindow> open() {
    auto w = std::make_unique<SearchWindow>(rig_->context(), AllFilesWindow::description());
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
    w.nameField->setText(name);
    w.locationBox->setEditText(QString::fromStdString(location));
    click(w.findButton);
  }

private Q_SLOTS:
  void init() { rig_ = std::make_unique<WindowRig>(); }
  void cleanup() { rig_.reset(); }

  void inputMessagesInTheirOrder() {
    auto w = open();
    search(*w, "  ab  ", "   ");
    expectMessage(0, "You must provide text at least of 3 characters.", "Quorrel 2.0", QMessageBox::Information);

    search(*w, " abc ", "   ");
    expectMessage(1, "Please specify the location.", "Error", QMessageBox::Information);

    w->matchCaseBox->setChecked(true);
    search(*w, "abc", "/no/such/Nowhere ");
    expectMessage(2, "/no/such/Nowhere  path was not found.", "Error", QMessageBox::Critical);
    QVERIFY(rig_->context().state().matchCase);  // set before the folder check
    QVERIFY(rig_->dialogs.busies.empty());
  }

  void refusedPressDuringASearchStillEmptiesTheQueue() {
    SampleTree t;
    auto w = open();
    later([&] {  // while the start folder's subfolders are queued
      w->nameField->setText("ab");
      click(w->findButton);
    });
    search(*w, "f.txt", t.root());
    expectMessage(0, "You must provide text at least of 3 characters.", "Quorrel 2.0", QMessageBox::Information);
    QCOMPARE(w->findButton->text(), QString("&Find Now!"));
    // Only what was queued after the press is walked: here, the rest of R's subfolders.
    QVERIFY(foldersOf(*w, t.root()).size() < 7);
  }

  // A search ended, the window looks idle at once; the status line keeps its last text.
  void searchesWithEnterAndEscapeInBothStates() {
    SampleTree t;
    auto w = open();
    search(*w, "f.t", t.root());
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R", "A", "B", "C", "A/A1", "A/A2", "B/B1"}));
    QCOMPARE(rig_->dialogs.busyCaptions(), QStringList{"Processing..."});
    QCOMPARE(w->findButton->text(), QString("&Find Now!"));
    QVERIFY(w->statusLabel->isHidden());
    QCOMPARE(w->statusLabel->text(), "Searching In " + QString::fromStdString(t.path("B/B1")) + "...");
    QCOMPARE(w->foundLabel->text(), QString("7 File(s) Found!"));

    rig_->dialogs.busies.clear();
    w->nameField->setText("f.txt");
    QString captionInside, captionStopped;
    TempTree other;
    other.file("f.txt.new");
    later([&] {  // the first yield comes while the start folder's subfolders are queued
      captionInside = w->findButton->text();
      QTest::keyClick(w->nameField, Qt::Key_Return);  // running: Enter stops
      captionStopped = w->findButton->text();
      w->locationBox->setEditText(QString::fromStdString(other.root()));
      QTest::keyClick(w->nameField, Qt::Key_Return);  // a new search, inside the old one's yield
    });
    QTest::keyClick(w->locationBox->lineEdit(), Qt::Key_Return);  // idle: Enter starts
    QCOMPARE(captionInside, QString("&Stop!"));
    QCOMPARE(captionStopped, QString("&Find Now!"));
    QCOMPARE(foldersOf(*w, other.root()), (Names{"R"}));
    QCOMPARE(w->results().name(0), std::string_view("f.txt.new"));
    QCOMPARE(w->findButton->text(), QString("&Find Now!"));
    QVERIFY(w->statusLabel->isHidden());
    QCOMPARE(rig_->dialogs.busyCaptions(), QStringList(3, "Processing..."));  // one per press

    later([&] { QTest::keyClick(w->nameField, Qt::Key_Escape); });  // running: Escape closes
    QTest::keyClick(w->nameField, Qt::Key_Return);
    QVERIFY(!w->isVisible());

    auto idle = open();
    for (QWidget* other : std::initializer_list<QWidget*>{idle->matchCaseBox, idle->resultsView, idle->findButton}) {
      QTest::keyClick(other, Qt::Key_Escape);  // only the fields close on Escape
      QVERIFY2(idle->isVisible(), qPrintable(other->objectName()));
    }
    QTest::keyClick(idle->locationBox->lineEdit(), Qt::Key_Escape);  // idle: Escape closes
    QVERIFY(!idle->isVisible());
  }

  // The first opening's defaults; what Cancel and the "X" save for the next.
  void settingsRoundTripAcrossOpenings() {
    {
      auto w = open();
      QCOMPARE(w->nameField->text(), QString());
      QCOMPARE(w->locationBox->currentText(), QString("/"));
      QCOMPARE(w->foundLabel->text(), QString("0 files found"));
      QTRY_COMPARE_WITH_TIMEOUT(w->foundLabel->text(), QString("0 File(s) Found!"), 1000);
      w->nameField->setText("report");
      w->locationBox->setEditText("/tmp");
      click(w->closeButton);
    }
    QCOMPARE(rig_->settings.get("x", "y", "named", "?"), QString("report"));
    QCOMPARE(rig_->settings.get("x", "y", "loc", "?"), QString("/tmp"));
    auto again = open();
    QCOMPARE(again->nameField->text(), QString("report"));
    QCOMPARE(again->locationBox->currentText(), QString("/tmp"));
    again->nameField->clear();
    QTest::mousePress(again->closeLabel, Qt::LeftButton);
    QTest::mouseRelease(again->closeLabel, Qt::LeftButton, {}, QPoint(-40, 60));  // released elsewhere
    QTest::mouseClick(again->closeLabel, Qt::RightButton);
    QVERIFY(again->isVisible());
    QTest::mouseClick(again->closeLabel, Qt::LeftButton);  // the "X" closes and saves too
    QVERIFY(!again->isVisible());
    QCOMPARE(rig_->settings.get("x", "y", "named", "?"), QString());
  }

  // A search the file system got in the way of is said; the next one says nothing of it.
  void troubleInTheFoundLabel_data() {
    QTest::addColumn<bool>("endsEarly");
    QTest::addColumn<QString>("found");
    QTest::newRow("unreadable folder") << false << "5 File(s) Found! (1 could not be read)";
    QTest::newRow("out of handles") << true << "2 File(s) Found! (search ended early: out of file handles)";
  }
  void troubleInTheFoundLabel() {
    QFETCH(bool, endsEarly);
    QFETCH(QString, found);
    SampleTree t;
    FailingFileSystem fs;
    if (endsEarly) fs.fault = FailingFileSystem::Fault::OutOfHandles;
    else fs.unreadableFolders = {t.path("B")};
    fs.faultAtCall = 5;  // the first search only, entering its third folder: R and A were listed
    Context failing(rig_->settings, fs, rig_->icons, rig_->opener, rig_->dialogs);
    auto w = std::make_unique<SearchWindow>(failing, AllFilesWindow::description());
    w->show();
    search(*w, "f.txt", t.root());
    QTRY_COMPARE_WITH_TIMEOUT(w->foundLabel->text(), found, 1000);
    QVERIFY(w->foundLabel->toolTip().contains(endsEarly ? "out of file handles" : QString::fromStdString(t.path("B"))));
    fs.unreadableFolders.clear();
    search(*w, "f.txt", t.root());
    QTRY_COMPARE_WITH_TIMEOUT(w->foundLabel->text(), QString("7 File(s) Found!"), 1000);
    QCOMPARE(w->foundLabel->toolTip(), QString());
  }

  // Closed or deleted mid-search while reading ahead: no worker left running, no handle open.
  void leftInsideAYield_data() {
    QTest::addColumn<bool>("deleted");
    QTest::newRow("closed") << false;
    QTest::newRow("deleted") << true;
  }
  void leftInsideAYield() {
    QFETCH(bool, deleted);
    SampleTree t;
    const int handles = openHandles();
    const int threads = runningThreads();
    QPointer<SearchWindow> w = new SearchWindow(rig_->context(), AllFilesWindow::description());
    w->walk()->setReadAhead(4, ReadAhead::When::Always);
    w->show();
    w->nameField->setText("f.txt");
    w->locationBox->setEditText(QString::fromStdString(t.root()));
    later([&] { deleted ? delete w.data() : void(w->close()); });
    w->findPressed();
    QCOMPARE(w.isNull(), deleted);
    if (!deleted) {
      QVERIFY(!w->isVisible());
      QCOMPARE(rig_->dialogs.busyCaptions(), (QStringList{"Processing...", "Returning..."}));
      QCOMPARE(foldersOf(*w, t.root()), (Names{"R"}));
    }
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
    delete w.data();  // the closed one is freed after the walk has unwound
    QTRY_COMPARE_WITH_TIMEOUT(runningThreads(), threads, 2000);
  }

  void watchdogEndsAStalledSearch() {
    SampleTree t;
    auto w = open();
    later([&] {
      for (int tick = 0; tick < 4; ++tick) w->watchdogTick();  // no status change in between
    });
    search(*w, "f.txt", t.root());
    QCOMPARE(rig_->dialogs.busies.back().caption, QString("Processing..."));
    QCOMPARE(rig_->dialogs.busies.back().ticks, 4);
    QCOMPARE(foldersOf(*w, t.root()), (Names{"R"}));
    w->refreshLook();  // the idle look
    const std::size_t busies = rig_->dialogs.busies.size();
    for (int tick = 0; tick < 8; ++tick) w->watchdogTick();  // idle: the watchdog does nothing
    QCOMPARE(rig_->dialogs.busies.size(), busies);
  }

  // A folder's name need not be UTF-8: picked and edited as its escaped text.
  void locationsKeepTheirBytes() {
    TempTree t;
    t.folder("caf\xe9/sub");
    t.file("caf\xe9/sub/inside.txt");
    const std::string sub = t.path("caf\xe9/sub");
    const QString shown = QString::fromStdString(t.root()) + "/caf\\xe9";
    rig_->restart(t.path("caf\xe9"));
    {
      auto w = open();
      QCOMPARE(w->locationBox->currentText(), shown);
      w->locationBox->setCurrentIndex(0);
      w->locationBox->setCurrentIndex(w->locationBox->count() - 1);  // picked from the list
      QTest::keyClick(w->locationBox->lineEdit(), Qt::Key_End);
      QTest::keyClicks(w->locationBox->lineEdit(), "/sub");
      w->nameField->setText("inside");
      click(w->findButton);
      QCOMPARE(w->results().size(), std::size_t(1));
      QCOMPARE(w->results().folder(0), sub);
      click(w->closeButton);
    }
    QCOMPARE(LocationBox::fromSetting(rig_->settings.get("x", "y", "loc", "?")), sub);
    rig_->restart("   ");  // blank: no location of its own
    auto again = open();
    QCOMPARE(again->locationBox->currentText(), shown + "/sub");
    click(again->findButton);
    QCOMPARE(again->results().size(), std::size_t(1));
    // Text that would read as the form "loc" keeps other bytes in is kept as text.
    again->locationBox->setEditText("file:///tmp");
    click(again->closeButton);
    QCOMPARE(open()->locationBox->currentText(), QString("file:///tmp"));
  }
};

QTEST_MAIN(AllFilesTest)
#include "tst_allfiles.moc"
