// The folder walk on real trees: order, yields, stops, failures, and what may
// happen to the walk inside a yield.
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "engine/FolderWalk.h"
#include "engine/ResultsModel.h"
#include "platform/LinuxFileSystem.h"
#include "platform/MountTable.h"
#include "platform/ThemeIconSource.h"
#include "support/FailingFileSystem.h"
#include "support/TempTree.h"

namespace {
using Names = std::vector<std::string>;

// One search window's worth of walk, with its yields counted and scriptable.
struct Rig {
  bool stopFlag = true;
  bool matchCase = false;
  std::int32_t idleTicks = 7;
  ThemeIconSource icons;
  ResultsModel lv{icons};
  FailingFileSystem fs;
  std::unique_ptr<FolderWalk> walk;
  QString name;
  std::string root;
  Names statuses;
  int yields = 0;
  std::function<void(int yield)> onYield;

  explicit Rig(const std::string& rootPath) : root(rootPath) {
    walk = std::make_unique<FolderWalk>(fs, lv, icons, WalkFlags{&stopFlag, &matchCase, &idleTicks, nullptr});
    walk->setYield([this] {
      ++yields;
      if (onYield) onYield(yields);
    });
    walk->setNameSource([this] { return name; });
    walk->setStatusSink([this](const std::string& p) { statuses.push_back(relative(p)); });
  }
  void run() { walk->start(root); }
  std::string relative(const std::string& p) const {
    if (p == root) return "R";
    return p.compare(0, root.size() + 1, root + "/") == 0 ? p.substr(root.size() + 1) : p;
  }
  // The folders of the entries, in order, one per run of entries.
  Names folders() const {
    Names out;
    for (int r = 0; r < lv.rowCount(); ++r) {
      const std::string f = relative(lv.folder(r));
      if (out.empty() || out.back() != f) out.push_back(f);
    }
    return out;
  }
  Names names() const {
    Names out;
    for (int r = 0; r < lv.rowCount(); ++r) out.emplace_back(lv.name(r));
    return out;
  }
  bool lastStatusIs(const std::string& s) const { return !statuses.empty() && statuses.back() == s; }
};

// R{A{A1, A2}, B{B1}, C}, one file "f.txt" in each folder.
void buildSample(TempTree& t) {
  for (const char* f : {"A/A1", "A/A2", "B/B1", "C"}) t.folder(f);
  for (const char* f : {"", "A", "B", "C", "A/A1", "A/A2", "B/B1"}) t.file(std::string(f) + (*f ? "/" : "") + "f.txt");
}
}  // namespace

class FolderWalkTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void breadthFirstOrderYieldsAndStatus() {
    TempTree t;
    buildSample(t);
    Rig rig(t.root());
    rig.run();
    QCOMPARE(rig.folders(), (Names{"R", "A", "B", "C", "A/A1", "A/A2", "B/B1"}));
    QVERIFY(rig.stopFlag);
    QVERIFY(rig.walk->lst.empty());
    // Three per folder entered, two per subfolder queued, one for the final empty check.
    QCOMPARE(rig.yields, 3 * 6 + 2 * 6 + 1);
    QCOMPARE(rig.statuses, (Names{"A", "A/A1", "A/A2", "B", "B/B1", "C", "A/A1", "A/A2", "B/B1"}));
    QCOMPARE(rig.idleTicks, 0);
  }

  void startFolderWithoutSubfolders() {
    TempTree t;
    t.file("one.txt");
    t.file("two.txt");
    Rig rig(t.root());
    rig.run();
    QCOMPARE(rig.names(), (Names{"one.txt", "two.txt"}));
    QVERIFY(rig.stopFlag);
    QCOMPARE(rig.yields, 1);
    QVERIFY(rig.statuses.empty());
  }

  // What a press of the window's button does to the walk inside a yield: it
  // always empties the queue; a valid Stop also sets the stop flag.
  void pressesDuringYields_data() {
    QTest::addColumn<QString>("afterStatus");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<Names>("folders");
    // The folder just announced is still listed; none of its subfolders is queued.
    QTest::newRow("stop after a folder is announced") << "A" << true << Names{"R", "A"};
    QTest::newRow("emptied queue mid-pass ends after that folder") << "B" << false << Names{"R", "A", "B"};
    // While A's subfolders are queued: only those queued after the press go on.
    QTest::newRow("emptied queue while subfolders are queued") << "A/A1" << false << Names{"R", "A", "A/A1", "A/A2"};
  }
  void pressesDuringYields() {
    QFETCH(QString, afterStatus);
    QFETCH(bool, stop);
    QFETCH(Names, folders);
    TempTree t;
    buildSample(t);
    Rig rig(t.root());
    bool pressed = false;
    rig.onYield = [&](int) {
      if (pressed || !rig.lastStatusIs(afterStatus.toStdString())) return;
      pressed = true;
      rig.walk->lst.clear();
      if (stop) rig.stopFlag = true;
    };
    rig.run();
    QCOMPARE(rig.folders(), folders);
    QVERIFY(rig.stopFlag);
  }

  void folderDeletedAfterBeingQueuedIsSkipped() {
    TempTree t;
    buildSample(t);
    Rig rig(t.root());
    rig.onYield = [&](int) {
      if (rig.lastStatusIs("B")) t.remove("B");
    };
    rig.run();
    QCOMPARE(rig.folders(), (Names{"R", "A", "C", "A/A1", "A/A2"}));
    QCOMPARE(rig.walk->unreadable().folders(), 1);
    QCOMPARE(rig.walk->unreadable().paths(), (Names{t.path("B")}));
  }

  void unreadableFoldersAndFilesAreSkippedAndCounted() {
    TempTree t;
    buildSample(t);
    t.file("A/secret.txt");
    Rig rig(t.root());
    rig.fs.unreadableFolders = {t.path("B")};
    rig.fs.unreadableFiles = {"secret.txt"};
    rig.run();
    QCOMPARE(rig.folders(), (Names{"R", "A", "C", "A/A1", "A/A2"}));
    QCOMPARE(rig.walk->unreadable().folders(), 1);
    QCOMPARE(rig.walk->unreadable().files(), 1);
    QCOMPARE(rig.walk->unreadable().paths(), (Names{t.path("A/secret.txt"), t.path("B")}));
    // A second search starts the count afresh.
    rig.fs.unreadableFolders.clear();
    rig.fs.unreadableFiles.clear();
    rig.run();
    QCOMPARE(rig.walk->unreadable().total(), 0);
  }

  void runningOutOfResourcesEndsTheSearch() {
    TempTree t;
    buildSample(t);
    Rig rig(t.root());
    rig.fs.exhaustedFolders = {t.path("A")};
    rig.run();
    QCOMPARE(rig.folders(), (Names{"R"}));
    QVERIFY(rig.stopFlag);
  }

  void entriesAreSizedAndShown() {
    TempTree t;
    t.file("a0");
    t.file("a511", std::string(511, 'x'));
    t.file("a1536", std::string(1536, 'x'));
    t.file("b-r\xe9sum\xe9", std::string(2560, 'x'));  // not UTF-8
    t.sparse("big", 50'000'000);
    Rig rig(t.root());
    rig.run();
    QStringList shown;
    for (int r = 0; r < rig.lv.rowCount(); ++r)
      for (int c : {ResultsModel::NameColumn, ResultsModel::SizeColumn})
        shown << rig.lv.data(rig.lv.index(r, c), Qt::DisplayRole).toString();
    QCOMPARE(shown, (QStringList{"a0", "0 KB", "a1536", "2 KB", "a511", "0 KB", "b-r\ufffdsum\ufffd", "2 KB", "big",
                                 "48828 KB"}));
    QCOMPARE(rig.lv.name(3), std::string_view("b-r\xe9sum\xe9"));  // the exact bytes, for opening
  }

  void nameTextAndMatchCaseAreReadAfresh() {
    // Changes made during a yield apply to the files examined after it.
    TempTree t;
    buildSample(t);
    t.file("C/other.doc");
    Rig rig(t.root());
    rig.name = "none-such";
    rig.onYield = [&](int) {
      if (rig.lastStatusIs("C")) rig.name = "";
    };
    rig.run();
    QCOMPARE(rig.folders(), (Names{"C", "A/A1", "A/A2", "B/B1"}));
    rig.name = "";
    rig.onYield = [&](int) {
      if (rig.lastStatusIs("C")) rig.matchCase = true;  // empty whole name: nothing
    };
    rig.run();
    QCOMPARE(rig.folders(), (Names{"R", "A", "B"}));
  }

  void rootAsStartFolder() {
    Rig rig("/");
    rig.onYield = [&](int) { rig.stopFlag = true; };  // seeding still queues every subfolder
    rig.name = "\x01no file has this name\x01";
    rig.run();
    const MountTable mounts = MountTable::read();
    bool sawUsr = false;
    for (const std::string& p : rig.walk->lst) {
      QVERIFY2(p.size() > 1 && p[0] == '/' && p.find('/', 1) == std::string::npos, p.c_str());
      QVERIFY2(!mounts.isPseudo(p), p.c_str());  // never /proc, /sys and the like
      sawUsr |= p == "/usr";
    }
    QVERIFY(sawUsr);
  }

  void newSearchInsideAYieldEndsTheOldOneUntouched() {
    TempTree t, other;
    buildSample(t);
    other.file("new.txt");
    Rig rig(t.root());
    bool nested = false;
    rig.onYield = [&](int) {
      if (!nested && rig.lastStatusIs("A")) {
        nested = true;
        rig.walk->lst.clear();
        rig.walk->start(other.root());
      }
    };
    rig.run();
    QCOMPARE(rig.names(), (Names{"new.txt"}));
    QVERIFY(rig.stopFlag);
    QVERIFY(rig.walk->lst.empty());
  }

  void walkDestroyedInsideAYield() {
    TempTree t;
    buildSample(t);
    Rig rig(t.root());
    rig.onYield = [&](int n) {
      if (n == 9) rig.walk.reset();  // the window closed: nothing may be touched after
    };
    rig.run();
    QVERIFY(!rig.walk);
    QVERIFY(rig.yields == 9);
  }

  void deepTrees() {
    // 150 levels walk like any other; past the system's path length limit a
    // folder cannot be entered by its path, is counted, and the walk ends normally.
    TempTree t;
    std::string deep = "d";
    for (int i = 1; i < 150; ++i) deep += "/d";
    t.folder(deep);
    t.file(deep + "/bottom.txt");
    int fd = ::open(t.path(deep).c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; fd >= 0 && i < 2100; ++i) {  // one folder per two bytes of path
      QCOMPARE(::mkdirat(fd, "e", 0755), 0);
      const int next = ::openat(fd, "e", O_RDONLY | O_DIRECTORY);
      ::close(fd);
      fd = next;
    }
    ::close(fd);
    Rig rig(t.root());
    rig.name = "bottom";
    rig.run();
    QCOMPARE(rig.names(), (Names{"bottom.txt"}));
    QCOMPARE(rig.walk->unreadable().folders(), 1);
    QVERIFY(rig.stopFlag);
  }

  void symlinkLoopsEnd() {
    TempTree t;
    t.folder("a/b");
    t.link("a/b/up", "../..");
    t.link("a/self", ".");
    t.file("a/b/f.txt");
    Rig rig(t.root());
    rig.run();
    QCOMPARE(rig.folders(), (Names{"a/b"}));
  }
};

QTEST_MAIN(FolderWalkTest)
#include "tst_folderwalk.moc"
