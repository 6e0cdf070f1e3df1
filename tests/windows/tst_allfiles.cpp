// SPDX-License-Identifier: GPL-3.0-or-later
// The search windows driven headless through their controls, mostly All
// Files; what each category lists, and when a chosen category takes effect;
// the date window and the results' time column; the windows' sizes.
#include <QDateEdit>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

#include "bench/DocumentWriter.h"
#include "support/OpenHandles.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"
#include "support/WindowRig.h"
#include "windows/AllFilesWindow.h"
#include "windows/ContainingTextWindow.h"
#include "windows/DateSearchWindow.h"
#include "windows/MultimediaWindow.h"
#include "windows/OfficeWindow.h"
#include "windows/SearchSession.h"

namespace {
const Names kFiles{"song.mp3", "SONG.Mp3", "scan.jp2", "raw.mrw", "track.wma", "noext",  "old.xl",
                   "book.xls", "tone.mid", "a.jpg",    "a.jpeg",   "a.jpe",     "Annual Report.doc",
                   "report.txt", "page.HTM", "style.css", "clip.AVI"};

QComboBox* categories(SearchWindow& w) { return w.findChild<QComboBox*>("cboconts"); }
template <typename T = QComboBox>
T* own(SearchWindow& w, const char* name) { return w.findChild<T*>(name); }

Names found(const SearchWindow& w) {
  Names out;
  for (std::size_t r = 0; r < w.results().size(); ++r) out.emplace_back(w.results().name(r));
  std::sort(out.begin(), out.end());
  return out;
}
}  // namespace

class AllFilesTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;
  std::unique_ptr<TempTree> tree_;  // the category windows' files

private Q_SLOTS:
  void initTestCase() {
    tree_ = std::make_unique<TempTree>();
    tree_->folder("sub.mp3");  // a folder is never listed, whatever its name
    for (const std::string& f : kFiles) tree_->file("sub.mp3/" + f);
  }
  void init() { rig_ = std::make_unique<WindowRig>(); }

  // The first check that fails is the one said, before any busy display.
  void refusedPresses_data() {
    QTest::addColumn<bool>("containingText");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("message");
    QTest::newRow("short name") << false << "  ab  " << "" << " " << "You must provide text at least of 3 characters.";
    QTest::newRow("blank location") << false << " abc " << "" << "   " << "Please specify the location.";
    QTest::newRow("no such folder") << false << "abc" << "" << "/no/such " << "/no/such  path was not found.";
    QTest::newRow("both short") << true << " ab " << "xy" << "/" << "Entered characters must be at least 3 in length.";
    QTest::newRow("text short") << true << "abc" << " xy " << "/" << "Containing Text must be at least 3 in length.";
    QTest::newRow("no location check of its own") << true << "abc" << "xyz" << "" << " path was not found.";
  }
  void refusedPresses() {
    QFETCH(bool, containingText);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, location);
    QFETCH(QString, message);
    auto w = rig_->open(containingText ? ContainingTextWindow::description() : AllFilesWindow::description());
    if (containingText) w->findChild<QLineEdit*>("txtcont")->setText(text);
    search(*w, name, location.toStdString());
    QCOMPARE(rig_->dialogs.messages, QStringList{message});
    QVERIFY(rig_->dialogs.busies.empty());
  }

  // A search ended, the window looks idle at once.
  void searchesWithEnterAndEscapeInBothStates() {
    SampleTree t;
    auto w = rig_->open(AllFilesWindow::description());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), nameField(*w));  // typing starts at once
    search(*w, "f.t", t.root());
    QVERIFY(statusLabel(*w)->isHidden());

    nameField(*w)->setText("f.txt");
    QString captionInside, captionStopped;
    TempTree other;
    other.file("f.txt.new");
    QTimer::singleShot(0, [&] {  // the first yield comes while the start folder's subfolders are queued
      captionInside = findButton(*w)->text();
      QTest::keyClick(nameField(*w), Qt::Key_Return);  // running: Enter stops
      captionStopped = findButton(*w)->text();
      locationBox(*w)->setEditText(QString::fromStdString(other.root()));
      QTest::keyClick(nameField(*w), Qt::Key_Return);  // a new search, inside the old one's yield
    });
    QTest::keyClick(locationBox(*w)->lineEdit(), Qt::Key_Return);  // idle: Enter starts
    QCOMPARE(captionInside, QString("&Stop!"));
    QCOMPARE(captionStopped, QString("&Find Now!"));
    QCOMPARE(folderRuns(w->results(), other.root()), (Names{"R"}));
    QCOMPARE(findButton(*w)->text(), QString("&Find Now!"));
    QCOMPARE(rig_->dialogs.busyCaptions(), QStringList(4, "Processing..."));  // one per press

    QTimer::singleShot(0, [&] { QTest::keyClick(nameField(*w), Qt::Key_Escape); });  // running: Escape closes
    QTest::keyClick(nameField(*w), Qt::Key_Return);
    QVERIFY(!w->isVisible());

    auto idle = rig_->open(AllFilesWindow::description());
    for (QWidget* other : std::initializer_list<QWidget*>{matchCaseBox(*idle), findButton(*idle)})
      QTest::keyClick(other, Qt::Key_Escape);  // only the fields and the list close on Escape
    QVERIFY(idle->isVisible());
    QTest::keyClick(locationBox(*idle)->lineEdit(), Qt::Key_Escape);  // idle: Escape closes
    QVERIFY(!idle->isVisible());
  }

  // A search the file system got in the way of is said, and what it could
  // not read listed with why; the next one says nothing of it.
  void troubleInTheFoundLabel_data() {
    QTest::addColumn<bool>("endsEarly");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("listed");
    QTest::newRow("unreadable folder") << false << "5 File(s) Found! (1 could not be read)" << "permission denied";
    QTest::newRow("out of handles") << true << "2 File(s) Found! (1 could not be read) (search ended early: out of "
                                               "file handles)" << "out of file handles";
  }
  void troubleInTheFoundLabel() {
    QFETCH(bool, endsEarly);
    QFETCH(QString, found);
    QFETCH(QString, listed);
    SampleTree t;
    FailingFileSystem& fs = rig_->fileSystem;
    if (endsEarly) fs.fault = FailingFileSystem::Fault::OutOfHandles;
    else fs.unreadableFolders = {t.path("B")};
    fs.faultAtCall = 5;  // the first search only, entering its third folder: R and A were listed
    auto w = rig_->open(AllFilesWindow::description());
    search(*w, "f.txt", t.root());
    QTRY_COMPARE_WITH_TIMEOUT(foundLabel(*w)->text(), found, 1000);
    QVERIFY(foundLabel(*w)->toolTip().contains(endsEarly ? "out of file handles" : QString::fromStdString(t.path("B"))));
    w->findChild<QAction*>("mnuunread")->trigger();
    const QString unread = w->findChild<QPlainTextEdit*>("txtunread")->toPlainText();
    QCOMPARE(unread, QString::fromStdString(t.path("B")) + "  (" + listed + ")");
    fs.unreadableFolders.clear();
    search(*w, "f.txt", t.root());
    QTRY_COMPARE_WITH_TIMEOUT(foundLabel(*w)->text(), QString("7 File(s) Found!"), 1000);
    QCOMPARE(foundLabel(*w)->toolTip(), QString());
  }

  // Containing Text reads documents' text only with its box on, reached by
  // Tab from the text; one it cannot read is listed with why. The box is kept.
  void lookInsideDocuments_data() {
    QTest::addColumn<bool>("documents");
    QTest::addColumn<QString>("found");
    QTest::newRow("off, as ever: bytes") << false << "1 File(s) Found!";
    QTest::newRow("on: text of .docx and .odt") << true << "3 File(s) Found! (1 could not be read)";
  }
  void lookInsideDocuments() {
    QFETCH(bool, documents);
    QFETCH(QString, found);
    TempTree t;
    DocumentWriter split;
    split.paragraphs = {{"a yel", "low", "hammer"}};
    const std::string docx = split.write(DocumentWriter::Format::Docx);
    t.file("notes.txt", "yellowhammer");
    t.file("notes.docx", docx);
    t.file("notes.odt", split.write(DocumentWriter::Format::Odt));
    t.file("notes-cut.docx", docx.substr(0, docx.size() / 2));
    {
      auto w = rig_->open(ContainingTextWindow::description());
      QVERIFY(QTest::qWaitForWindowActive(w.get()));
      auto* text = w->findChild<QLineEdit*>("txtcont");
      text->setText("yellowhammer");
      text->setFocus();
      QTest::keyClick(text, Qt::Key_Tab);
      if (documents) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      search(*w, "notes", t.root());
      QTRY_COMPARE_WITH_TIMEOUT(foundLabel(*w)->text(), found, 1000);
      w->findChild<QAction*>("mnuunread")->trigger();
      const QString cut = QString::fromStdString(t.path("notes-cut.docx")) + "  (damaged)";
      QCOMPARE(w->findChild<QPlainTextEdit*>("txtunread")->toPlainText(), documents ? cut : "");
      QTest::mouseClick(closeButton(*w), Qt::LeftButton);
    }
    QCOMPARE(rig_->settings.get("x", "FRMFILECONTXT", "documents", "?"), documents ? "Y" : "N");
    QCOMPARE(rig_->open(ContainingTextWindow::description())->findChild<QCheckBox*>("chkdocs")->isChecked(), documents);
  }

  // A folder's name need not be UTF-8: picked and edited as its escaped text.
  // What Cancel and the "X" save, the next opening shows.
  void locationsKeepTheirBytes() {
    TempTree t;
    t.folder("caf\xe9/sub");
    t.file("caf\xe9/sub/inside.txt");
    const std::string start = t.path("caf\xe9/../caf\xe9"), sub = start + "/sub";  // kept as named, not resolved
    const QString shown = QString::fromStdString(t.root()) + "/caf\\xe9/../caf\\xe9";
    rig_->restart(start);
    {
      auto w = rig_->open(AllFilesWindow::description());
      QCOMPARE(locationBox(*w)->currentText(), shown);
      locationBox(*w)->setCurrentIndex(0);
      locationBox(*w)->setCurrentIndex(locationBox(*w)->count() - 1);  // picked from the list
      QTest::keyClick(locationBox(*w)->lineEdit(), Qt::Key_End);
      QTest::keyClicks(locationBox(*w)->lineEdit(), "/sub");
      nameField(*w)->setText("inside");
      QTest::mouseClick(findButton(*w), Qt::LeftButton);
      QCOMPARE(w->results().size() == 1 ? w->results().folder(0) : "", sub);
      QTest::mouseClick(closeButton(*w), Qt::LeftButton);
    }
    const QString stored = "file://" + QString::fromStdString(t.root()) + "/caf%E9/../caf%E9/sub";  // not UTF-8
    QCOMPARE(rig_->settings.get("x", "y", "loc", "?"), stored);
    rig_->restart("   ");  // blank: no location of its own
    auto again = rig_->open(AllFilesWindow::description());
    QCOMPARE(locationBox(*again)->currentText(), shown + "/sub");
    QTest::mouseClick(findButton(*again), Qt::LeftButton);
    QCOMPARE(again->results().size(), std::size_t(1));
    // Text that would read as the form "loc" keeps other bytes in is kept as text.
    locationBox(*again)->setEditText("file:///tmp");
    nameField(*again)->setText("report");
    QTest::mousePress(closeLabel(*again), Qt::LeftButton);
    QTest::mouseRelease(closeLabel(*again), Qt::LeftButton, {}, QPoint(-40, 60));  // released elsewhere
    QTest::mouseClick(closeLabel(*again), Qt::RightButton);
    QVERIFY(again->isVisible());
    QTest::mouseClick(closeLabel(*again), Qt::LeftButton);  // the "X" closes and saves too
    auto third = rig_->open(AllFilesWindow::description());
    QCOMPARE(nameField(*third)->text() + " in " + locationBox(*third)->currentText(), QString("report in file:///tmp"));
  }

  void whatEachCategoryLists_data() {
    QTest::addColumn<bool>("office");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<Names>("expected");
    QTest::newRow("All MP3, any case") << false << 1 << "" << false << Names{"SONG.Mp3", "song.mp3"};
    QTest::newRow("All Pictures") << false << 4 << "" << false
                                  << Names{"a.jpeg", "a.jpg", "raw.mrw", "scan.jp2", "track.wma"};
    QTest::newRow("Ringtones list tone.mid once") << false << 8 << "" << false
                                                  << Names{"SONG.Mp3", "song.mp3", "tone.mid"};
    QTest::newRow("Supported Contents list clip.AVI once") << false << 10 << "clip" << false << Names{"clip.AVI"};
    QTest::newRow("one letter filters") << false << 4 << "w" << false << Names{"raw.mrw", "track.wma"};
    QTest::newRow("empty text with Match Case lists nothing") << false << 1 << "" << true << Names{};
    QTest::newRow("Corel lists every file") << true << 10 << "" << false << kFiles;
  }
  void whatEachCategoryLists() {
    QFETCH(bool, office);
    QFETCH(int, category);
    QFETCH(QString, name);
    QFETCH(bool, matchCase);
    QFETCH(Names, expected);
    auto w = rig_->open(office ? OfficeWindow::description() : MultimediaWindow::description());
    categories(*w)->setCurrentIndex(category);
    matchCaseBox(*w)->setChecked(matchCase);
    search(*w, name, tree_->root());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(found(*w), expected);
    QVERIFY(rig_->dialogs.messages.empty());
  }

  // A press refused for its location still sets the pattern; with no category
  // chosen the pattern stays; one chosen during a search counts from the next press.
  void whenTheCategoryTakesEffect() {
    auto w = rig_->open(OfficeWindow::description());
    categories(*w)->setCurrentIndex(2);
    matchCaseBox(*w)->setChecked(true);
    search(*w, "", "");
    QCOMPARE(rig_->dialogs.messages, QStringList{" path was not found."});
    QVERIFY(w->session().inputs().matchCase);
    matchCaseBox(*w)->setChecked(false);
    categories(*w)->setCurrentIndex(-1);
    locationBox(*w)->setEditText(QString::fromStdString(tree_->root()));
    bool changed = false;
    QTimer::singleShot(0, [&] {
      categories(*w)->setCurrentIndex(0);  // Word
      changed = true;
    });
    QTest::keyClick(categories(*w), Qt::Key_Return);
    QVERIFY(changed);
    QCOMPARE(found(*w), (Names{"book.xls", "old.xl"}));
    QTest::mouseClick(findButton(*w), Qt::LeftButton);
    QCOMPARE(found(*w), (Names{"Annual Report.doc"}));
  }

  // The date window's choices make the search's test and are kept for the
  // next window; its time column shows and sorts by the chosen time. The
  // other windows hide their "Modified" column until the header's menu shows
  // it, and keep that choice.
  void searchByDateAndTheTimeColumn() {
    TempTree t;
    for (const char* name : {"old.txt", "new.txt"}) t.file(name);
    t.file("big.bin", std::string(2048, 'x'));
    QFile old(QString::fromStdString(t.path("old.txt")));
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(12, 0)), QFileDevice::FileModificationTime));
    old.close();
    QFile earlier(QString::fromStdString(t.path("new.txt")));  // in the last days, not minutes
    QVERIFY(earlier.open(QIODevice::ReadWrite));
    QVERIFY(earlier.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
    earlier.close();
    rig_->settings.save("x", "Date", "unit", "9");  // no such unit: the default's, days
    auto w = rig_->open(DateSearchWindow::description());
    search(*w, "", t.root());  // the last 7 days, any size
    QCOMPARE(found(*w), (Names{"big.bin", "new.txt"}));
    own<QCheckBox>(*w, "chkmin")->setChecked(true);
    own<QSpinBox>(*w, "spnmin")->setValue(2);
    own(*w, "cbominunit")->setCurrentIndex(1);  // KB
    QTest::mouseClick(findButton(*w), Qt::LeftButton);
    QCOMPARE(found(*w), (Names{"big.bin"}));
    own(*w, "cborange")->setCurrentIndex(1);  // between
    own<QDateEdit>(*w, "dtfirst")->setDate(QDate(2020, 1, 1));
    own<QDateEdit>(*w, "dtlast")->setDate(QDate(2019, 12, 31));  // either order
    own<QCheckBox>(*w, "chkmin")->setChecked(false);
    QTest::mouseClick(findButton(*w), Qt::LeftButton);
    QCOMPARE(found(*w), (Names{"old.txt"}));
    own(*w, "cborange")->setCurrentIndex(4);  // at any time
    QTest::mouseClick(findButton(*w), Qt::LeftButton);
    QHeaderView* header = resultsView(*w)->horizontalHeader();
    QVERIFY(!header->isSectionHidden(3));
    QCOMPARE(header->model()->headerData(3, Qt::Horizontal).toString(), "Modified");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(3) + 5, 5));
    QCOMPARE(header->model()->index(0, 0).data().toString(), "old.txt");
    w->close();
    w = rig_->open(DateSearchWindow::description());
    QCOMPARE(own(*w, "cborange")->currentIndex(), 4);
    QCOMPARE(own<QDateEdit>(*w, "dtfirst")->date(), QDate(2020, 1, 1));
    QVERIFY(!own<QCheckBox>(*w, "chkmin")->isChecked() && own<QSpinBox>(*w, "spnmin")->value() == 0);
    for (bool shown : {false, true}) {
      auto a = rig_->open(AllFilesWindow::description());
      QCOMPARE(resultsView(*a)->isColumnHidden(3), !shown);
      QVERIFY(a->findChild<QMenu*>("mnuresults")->actions().contains(a->findChild<QAction*>("showModified")));
      a->findChild<QAction*>("showModified")->trigger();
    }
  }

  // Grown, the list takes the growth, the edges' controls follow, "In Folder" fills the rest; the place comes back.
  void sizesColumnsAndPlace_data() {
    QTest::addColumn<bool>("byDate");  // the time column shown
    QTest::addColumn<QSize>("grown");
    QTest::addColumn<QString>("stored");  // the place as the file holds it, before the first opening
    QTest::newRow("time column shown") << true << QSize(0, 0) << "";
    QTest::newRow("grown") << false << QSize(90, 60) << "";
    QTest::newRow("first size, kept off the screen and too small") << false << QSize(0, 0) << "9000 9000 10 10";
  }
  void sizesColumnsAndPlace() {
    QFETCH(bool, byDate);
    QFETCH(QSize, grown);
    QFETCH(QString, stored);
    const SearchWindowDescription d = byDate ? DateSearchWindow::description() : AllFilesWindow::description();
    rig_->settings.save("x", d.objectName, "place", stored);
    auto w = rig_->open(d);
    QVERIFY(w->size() == w->minimumSize() && w->screen()->availableGeometry().contains(w->geometry()));
    const auto at = [&](const char* name) { return w->findChild<QWidget*>(name)->geometry(); };
    const QRect list = at("lv"), found = at("lblfound"), button = at("pict"), x = at(d.closeLabelName);
    const QPoint stripAndX(at("Picture1").width(), x.x());
    w->resize(w->size() + grown);
    QCOMPARE(at("lv").size(), list.size() + grown);
    QCOMPARE(at("lblfound").topLeft(), found.topLeft() + QPoint(0, grown.height()));
    QCOMPARE(at("pict").topLeft(), button.topLeft() + QPoint(grown.width(), 0));
    QCOMPARE(QPoint(at("Picture1").width(), at(d.closeLabelName).x()), stripAndX + QPoint(1, 1) * grown.width());
    QVERIFY(w->isSizeGripEnabled());
    TempTree t;
    for (int i = 0; i < 60; ++i) t.file("row" + std::to_string(i));
    search(*w, "row", t.root());
    QTRY_VERIFY(resultsView(*w)->verticalScrollBar()->isVisible());  // the columns fill the list beside it
    QCOMPARE(resultsView(*w)->horizontalHeader()->length(), resultsView(*w)->viewport()->width());
    w->move(7, 5);
    w->close();
    QCOMPARE(rig_->open(d)->geometry(), QRect(QPoint(7, 5), w->size()));
  }
};

QTEST_MAIN(AllFilesTest)
#include "tst_allfiles.moc"
