// The two category windows driven headless: what each category lists, and
// when a chosen category takes effect.
#include <QtTest>

#include "support/TempTree.h"
#include "support/WindowRig.h"
#include "windows/MultimediaWindow.h"
#include "windows/OfficeWindow.h"

namespace {
const Names kFiles{"song.mp3", "SONG.Mp3", "scan.jp2", "raw.mrw", "track.wma", "noext",  "old.xl",
                   "book.xls", "tone.mid", "a.jpg",    "a.jpeg",   "a.jpe",     "Annual Report.doc",
                   "report.txt", "page.HTM", "style.css", "clip.AVI"};

QComboBox* categories(SearchWindow& w) { return w.findChild<QComboBox*>("cboconts"); }

Names found(const SearchWindow& w) {
  Names out;
  for (std::size_t r = 0; r < w.results().size(); ++r) out.emplace_back(w.results().name(r));
  std::sort(out.begin(), out.end());
  return out;
}
}  // namespace

class CategoriesTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;
  std::unique_ptr<TempTree> tree_;

private Q_SLOTS:
  void initTestCase() {
    tree_ = std::make_unique<TempTree>();
    tree_->folder("sub.mp3");  // a folder is never listed, whatever its name
    for (const std::string& f : kFiles) tree_->file("sub.mp3/" + f);
  }
  void init() { rig_ = std::make_unique<WindowRig>(); }
  void cleanup() { rig_.reset(); }

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
    w->matchCaseBox->setChecked(matchCase);
    search(*w, name, tree_->root());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(found(*w), expected);
    QVERIFY(rig_->dialogs.messages.empty());
  }

  // A press refused for its location still sets the pattern; with no category
  // chosen the pattern stays; one chosen during a search counts from the next press.
  void whenTheCategoryTakesEffect() {
    auto window = rig_->open(OfficeWindow::description());
    SearchWindow& w = *window;
    categories(w)->setCurrentIndex(2);
    w.matchCaseBox->setChecked(true);
    search(w, "", "");
    QCOMPARE(rig_->dialogs.messages, QStringList{" path was not found."});
    QVERIFY(rig_->context().state().matchCase);
    w.matchCaseBox->setChecked(false);
    categories(w)->setCurrentIndex(-1);
    w.locationBox->setEditText(QString::fromStdString(tree_->root()));
    bool changed = false;
    QTimer::singleShot(0, [&] {
      categories(w)->setCurrentIndex(0);  // Word
      changed = true;
    });
    QTest::keyClick(categories(w), Qt::Key_Return);
    QVERIFY(changed);
    QCOMPARE(found(w), (Names{"book.xls", "old.xl"}));
    QTest::mouseClick(w.findButton, Qt::LeftButton);
    QCOMPARE(found(w), (Names{"Annual Report.doc"}));
  }
};

QTEST_MAIN(CategoriesTest)
#include "tst_categories.moc"
