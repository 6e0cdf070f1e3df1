// The two category windows driven headless: what each category lists, the
// press order, captions, and the looks under the pointer.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "engine/CategoryTable.h"
#include "platform/core/IniSettingsStore.h"
#include "shell/MYVARS.h"
#include "support/WindowRig.h"
#include "support/TempTree.h"
#include "windows/ButtonFace.h"
#include "windows/FRMCONTENTS.h"
#include "shell/LabelButton.h"
#include "windows/frmoffice.h"

namespace {
using Names = std::vector<std::string>;

const Names kFiles{"song.mp3", "SONG.Mp3", "scan.jp2", "raw.mrw", "track.wma", "noext",  "old.xl",
                   "book.xls", "tone.mid", "a.jpg",    "a.jpeg",   "a.jpe",     "Annual Report.doc",
                   "report.txt", "page.HTM", "style.css", "clip.AVI"};

std::unique_ptr<SearchWindow> make(const QString& kind) {
  std::unique_ptr<SearchWindow> w;
  if (kind == "FRMCONTENTS") w = std::make_unique<FRMCONTENTS>();
  else w = std::make_unique<frmoffice>();
  w->show();
  return w;
}

QComboBox* categories(SearchWindow& w) { return w.findChild<QComboBox*>("cboconts"); }

Names found(const SearchWindow& w) {
  Names out;
  for (std::size_t r = 0; r < w.results().size(); ++r) out.emplace_back(w.results().name(r));
  std::sort(out.begin(), out.end());
  return out;
}

QColor textColour(QWidget* w) { return w->palette().color(QPalette::WindowText); }
}  // namespace

class CategoriesTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;
  std::unique_ptr<TempTree> tree_;

  void search(SearchWindow& w, int category, const QString& name, bool matchCase = false) {
    categories(w)->setCurrentIndex(category);
    w.txtname->setText(name);
    w.chkmatch->setChecked(matchCase);
    w.cboLoc->setEditText(QString::fromStdString(tree_->root()));
    QTest::mouseClick(w.cmdfind, Qt::LeftButton);
  }

private Q_SLOTS:
  void initTestCase() {
    tree_ = std::make_unique<TempTree>();
    tree_->folder("sub.mp3");  // a folder is never listed, whatever its name
    for (const std::string& f : kFiles) tree_->file("sub.mp3/" + f);
  }
  void init() { rig_ = std::make_unique<WindowRig>(); }
  void cleanup() { rig_.reset(); }

  void whatEachCategoryLists_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<Names>("expected");
    QTest::newRow("All MP3, any case") << "FRMCONTENTS" << 1 << "" << false << Names{"song.mp3", "SONG.Mp3"};
    QTest::newRow("All Pictures") << "FRMCONTENTS" << 4 << "" << false
                                  << Names{"a.jpeg", "a.jpg", "raw.mrw", "scan.jp2", "track.wma"};
    QTest::newRow("All JPEG Images") << "FRMCONTENTS" << 5 << "" << false << Names{"a.jpeg", "a.jpg"};
    QTest::newRow("Ringtones list tone.mid once") << "FRMCONTENTS" << 8 << "" << false
                                                  << Names{"song.mp3", "SONG.Mp3", "tone.mid"};
    QTest::newRow("Supported Contents list clip.AVI once") << "FRMCONTENTS" << 10 << "clip" << false
                                                           << Names{"clip.AVI"};
    QTest::newRow("one letter filters") << "FRMCONTENTS" << 4 << "w" << false << Names{"raw.mrw", "track.wma"};
    QTest::newRow("empty text with Match Case lists nothing") << "FRMCONTENTS" << 1 << "" << true << Names{};
    QTest::newRow("Excel takes old.xl") << "frmoffice" << 2 << "" << false << Names{"book.xls", "old.xl"};
    QTest::newRow("Word with a name") << "frmoffice" << 0 << "report" << false << Names{"Annual Report.doc"};
    QTest::newRow("Internet") << "frmoffice" << 3 << "" << false << Names{"page.HTM", "style.css"};
    QTest::newRow("Corel lists every file") << "frmoffice" << 10 << "" << false << kFiles;
  }
  void whatEachCategoryLists() {
    QFETCH(QString, kind);
    QFETCH(int, category);
    QFETCH(QString, name);
    QFETCH(bool, matchCase);
    QFETCH(Names, expected);
    auto w = make(kind);
    search(*w, category, name, matchCase);
    std::sort(expected.begin(), expected.end());
    QCOMPARE(found(*w), expected);
    QVERIFY(rig_->dialogs.messages.empty());
  }

  void loadShowsItsTableAndItemZero_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("count");
    QTest::newRow("multimedia") << "FRMCONTENTS" << "Search Music, Photos, documents etc." << "Multimedia Search"
                                << "Contents:" << 11;
    QTest::newRow("office") << "frmoffice" << "Search Office Documents..." << "Office Documents" << "Document:" << 17;
  }
  void loadShowsItsTableAndItemZero() {
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(QString, caption);
    QFETCH(int, count);
    {
      auto w = make(kind);
      QCOMPARE(w->windowTitle(), title);
      QCOMPARE(w->Label5->text(), heading);
      QCOMPARE(w->findChild<QLabel*>("label4")->text(), caption);
      QCOMPARE(categories(*w)->count(), count);
      QCOMPARE(categories(*w)->currentIndex(), 0);
      QCOMPARE(w->cmdcanc->text(), QString("C&lose"));
      QVERIFY(w->findChild<LabelButton*>("lblc"));
      categories(*w)->setCurrentIndex(3);
      w->txtname->setText("x");
      QTest::keyClick(w->txtname, Qt::Key_Escape);
    }
    auto again = make(kind);
    QCOMPARE(categories(*again)->currentIndex(), 0);  // the category is never kept
    QCOMPARE(again->txtname->text(), QString("x"));
  }

  // The pattern and Match Case are set before the location is checked, and
  // the busy caption has four dots.
  void pressOrderAndMessages() {
    auto w = make("frmoffice");
    categories(*w)->setCurrentIndex(2);
    w->txtname->setText("");
    w->chkmatch->setChecked(true);
    w->cboLoc->setEditText("");
    QTest::mouseClick(w->cmdfind, Qt::LeftButton);
    QCOMPARE(rig_->dialogs.messages.size(), std::size_t(1));
    QCOMPARE(rig_->dialogs.messages[0].text, QString(" path was not found."));
    QCOMPARE(rig_->dialogs.messages[0].title, QString("Error"));
    QCOMPARE(rig_->dialogs.messages[0].icon, QMessageBox::Critical);
    QVERIFY(MYVARS::state().MatchCase);
    QVERIFY(rig_->dialogs.busies.empty());
    // The pattern set by the refused press holds for the next search.
    w->chkmatch->setChecked(false);
    categories(*w)->setCurrentIndex(-1);
    w->cboLoc->setEditText(QString::fromStdString(tree_->root()));
    QTest::keyClick(categories(*w), Qt::Key_Return);  // Enter in the category box presses Find
    QCOMPARE(found(*w), (Names{"book.xls", "old.xl"}));
    QCOMPARE(rig_->dialogs.busyCaptions(), QStringList{"Processing...."});
  }

  // A new category takes effect at the next press, not during a search.
  void categoryChangedDuringASearch() {
    auto w = make("FRMCONTENTS");
    bool changed = false;
    QTimer::singleShot(0, [&] {
      categories(*w)->setCurrentIndex(5);  // JPEG, chosen while the MP3 search runs
      changed = true;
    });
    search(*w, 1, "");
    QVERIFY(changed);
    QCOMPARE(found(*w), (Names{"SONG.Mp3", "song.mp3"}));
    QTest::mouseClick(w->cmdfind, Qt::LeftButton);
    QCOMPARE(found(*w), (Names{"a.jpeg", "a.jpg"}));
  }

  void multimediaLooks() {
    auto w = make("FRMCONTENTS");
    QCOMPARE(textColour(w->closeLabel), QColor(0, 255, 255));  // cyan at load
    QTest::mouseMove(w->closeLabel);
    QCOMPARE(textColour(w->closeLabel), QColor(Qt::black));
    QTest::mouseMove(w.get(), QPoint(20, w->height() - 10));
    QCOMPARE(textColour(w->closeLabel), QColor(0, 255, 255));
    QTest::mouseMove(w->cmdfind);
    QVERIFY(w->pict->isBordered());
    QTest::mousePress(w->cmdfind, Qt::LeftButton);
    QCOMPARE(textColour(w->cmdfind), QColor(Qt::white));
    QTest::mouseRelease(w->cmdfind, Qt::LeftButton, {}, QPoint(-50, -50));
    QCOMPARE(textColour(w->cmdfind), QColor(Qt::black));
    QVERIFY(!w->pict->isBordered() && !w->pict->isShowingPressed());
    QTest::mousePress(w->cmdcanc, Qt::RightButton);
    QVERIFY(w->pictb->isBordered());
    QCOMPARE(textColour(w->cmdcanc), QColor(Qt::white));
    QTest::mouseRelease(w->cmdcanc, Qt::RightButton);
    QVERIFY(!w->pictb->isBordered());
    QVERIFY(w->isVisible());  // a right click is no press
  }

  void officeLooks() {
    auto w = make("frmoffice");
    auto line = [&](const char* name) { return w->findChild<QWidget*>(name)->palette().color(QPalette::Window); };
    QCOMPARE(textColour(w->closeLabel), QColor(Qt::black));
    QTest::mouseMove(w->cmdfind);
    QTest::mouseMove(w->cmdcanc);  // straight from one to the other: both lines stay lit
    QCOMPARE(line("lnn"), QColor(Qt::white));
    QCOMPARE(line("lnnb"), QColor(Qt::white));
    QTest::mouseMove(w.get(), QPoint(20, w->height() - 10));
    QCOMPARE(line("lnn"), QColor(Qt::black));
    QCOMPARE(line("lnnb"), QColor(Qt::black));
    QTest::mousePress(w->cmdfind, Qt::LeftButton);
    QVERIFY(w->pict->isBordered() && w->pict->isShowingPressed());
    QTest::mouseRelease(w->cmdfind, Qt::LeftButton, {}, QPoint(-50, -50));
    QVERIFY(!w->pict->isBordered() && !w->pict->isShowingPressed());
    QTest::mousePress(w->pict, Qt::LeftButton, {}, QPoint(2, 2));  // the picture itself: nothing
    QVERIFY(!w->pict->isBordered() && !w->pict->isShowingPressed());
    QTest::mousePress(w.get(), Qt::LeftButton, {}, QPoint(20, w->height() - 10));
    QVERIFY(w->pictb->isBordered());  // a press on the background frames Close
    QTest::mouseRelease(w.get(), Qt::LeftButton, {}, QPoint(20, w->height() - 10));
    QVERIFY(!w->pictb->isBordered());
    QTest::mouseMove(w->closeLabel);
    QCOMPARE(textColour(w->closeLabel), QColor(Qt::white));
  }
};

QTEST_MAIN(CategoriesTest)
#include "tst_categories.moc"
