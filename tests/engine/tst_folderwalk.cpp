// SPDX-License-Identifier: GPL-3.0-or-later
// The folder walk on real trees: order, yields, stops, failures, and what may
// happen to the walk inside a yield.
#include <QtTest>

#include <sys/resource.h>

#include <system_error>
#include <thread>

#include "platform/core/HandleCount.h"
#include "support/OpenHandles.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"

namespace {
// Five folders a level, three levels deep, two files in each.
void buildWide(TempTree& t, const std::string& parent = "", int depth = 3) {
  for (const char* name : {"e", "D", "c", "b", "A"}) {
    const std::string folder = parent + name;
    t.folder(folder);
    t.file(folder + "/one.txt");
    t.file(folder + "/Two.txt");
    if (depth > 1) buildWide(t, folder + "/", depth - 1);
  }
}
// A sample tree with kWide files more in R and in B: each of the two is
// read, sorted and listed in several pieces, with events let in between.
constexpr int kWide = 1200;
void buildTwoWide(TempTree& t) {
  for (const char* folder : {"", "B/"})
    for (int i = 0; i < kWide; ++i) t.file(folder + std::to_string(10000 + i) + ".txt");
}
}  // namespace

class FolderWalkTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void breadthFirstOrderYieldsAndStatus() {
    SampleTree t;
    WalkRig rig(t.root());
    rig.run();
    QCOMPARE(rig.folders(), (Names{"R", "A", "B", "C", "A/A1", "A/A2", "B/B1"}));
    QVERIFY(rig.stop && rig.walk->queued() == 0);
    // Three per folder entered, two per subfolder queued, one for the final empty check.
    QCOMPARE(rig.yields, 3 * 6 + 2 * 6 + 1);
    QCOMPARE(rig.statuses, (Names{"A", "A/A1", "A/A2", "B", "B/B1", "C", "A/A1", "A/A2", "B/B1"}));
  }

  // At the first yield after a status: a press empties the queue (a valid
  // Stop also sets the stop flag); the name text and Match Case are read afresh.
  void changesDuringYields() {
    const std::tuple<std::string, std::string, Names> rows[] = {
        // The folder just announced is still listed; none of its subfolders is queued.
        {"A", "stop", {"R", "A"}},
        {"B", "empty", {"R", "A", "B"}},  // emptied mid-pass: ends after that folder
        // While A's subfolders are queued: only those queued after the press go on.
        {"A/A1", "empty", {"R", "A", "A/A1", "A/A2"}},
        {"C", "any name", {"C", "A/A1", "A/A2", "B/B1"}},  // after "none-such"
        {"C", "match case", {"R", "A", "B"}}};             // an empty whole name: nothing
    for (const auto& [afterStatus, change, folders] : rows) {
      SampleTree t;
      t.file("C/other.doc");
      WalkRig rig(t.root());
      rig.name = change == "any name" ? "none-such" : "";
      bool changed = false;
      rig.onYield = [&](int) {
        if (changed || !rig.lastStatusIs(afterStatus)) return;
        changed = true;
        if (change == "any name") rig.name = "";
        else if (change == "match case") rig.caseOption = true;
        else rig.walk->emptyQueue();
        if (change == "stop") rig.stop = true;
      };
      rig.run();
      QCOMPARE(rig.folders(), folders);
      QVERIFY(rig.stop);
    }
  }

  // A close or a new search ends the old walk there: nothing of it runs or is
  // touched after (the sanitizer build sees the memory), the new one lists
  // what a fresh one does. Stop ends a name search where its folder ends.
  void closeNewSearchOrStopAtEveryYield() {
    SampleTree t;
    buildTwoWide(t);
    WalkRig full(t.root());
    std::vector<std::size_t> listed;  // at each yield
    full.onYield = [&](int) { listed.push_back(full.results.size()); };
    full.run();
    // Events came in inside the start folder's read, and amid its listing.
    QCOMPARE(listed.front(), std::size_t(0));
    QVERIFY(std::any_of(listed.begin(), listed.end(), [](std::size_t n) { return n > 0 && n <= kWide; }));
    const Names all = full.names();
    for (const std::string action : {"close", "find", "stop"}) {
      for (int n = 1; n <= full.yields; ++n) {
        WalkRig rig(t.root());
        std::size_t listedThen = 0;
        rig.onYield = [&](int k) {
          if (k != n) return;
          listedThen = rig.results.size();
          if (action == "close") rig.walk.reset();
          if (action == "find") rig.run();  // the same search again, inside the old one
          if (action == "stop") rig.stop = true;
        };
        rig.run();
        const QByteArray at = QByteArray::fromStdString(action) + " at yield " + QByteArray::number(n);
        const Names found = rig.names();
        const std::size_t m = found.size();
        if (action == "close") QVERIFY2(!rig.walk && rig.yields == n && m == listedThen, at);
        if (action == "find") QVERIFY2(found == all && rig.yields == n + full.yields && rig.endings == 1, at);
        if (action != "stop") continue;
        QVERIFY2(m > 0 && std::equal(found.begin(), found.end(), all.begin()) && rig.endings == 1, at);
        QVERIFY2(m == all.size() || full.results.folder(m) != full.results.folder(m - 1), at);
      }
    }
  }

  // Out of handles or memory at every call of a small search: it ends at
  // once, what it found stays, no handle is left open, the next starts clean.
  void exhaustionEndsTheSearchAndSaysSo() {
    using Fault = FailingFileSystem::Fault;
    SampleTree t;
    for (const char* f : {"f.txt", "A/f.txt", "A/A1/f.txt", "B/f.txt", "B/B1/f.txt"}) t.file(f, "the abc text");
    const int handles = openHandles();  // before any read-ahead worker may hold one
    for (const QString& text : {QString(), QString("abc")})
      for (const Fault fault : {Fault::OutOfHandles, Fault::OutOfMemory, Fault::BadAlloc}) {
        WalkRig full(t.root(), text);
        full.run();
        const Names all = full.names();
        for (int n = 1; n <= full.fs.calls; ++n) {
          const QByteArray at =
              text.toUtf8() + " fault " + QByteArray::number(int(fault)) + " at call " + QByteArray::number(n);
          WalkRig rig(t.root(), text);
          rig.fs.fault = fault;
          rig.fs.faultAtCall = n;
          rig.run();
          const Names found = rig.names();
          QVERIFY2(found.size() < all.size() && std::equal(found.begin(), found.end(), all.begin()) && rig.stop &&
                       rig.endings == 1 &&
                       rig.walk->earlyEnd() == (fault == Fault::OutOfHandles ? FolderWalk::EarlyEnd::OutOfHandles
                                                                             : FolderWalk::EarlyEnd::OutOfMemory),
                   at);
          QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);  // read-ahead workers close theirs at once
          rig.fs.fault = Fault::None;
          rig.run();
          QVERIFY2(rig.names() == all && rig.walk->earlyEnd() == FolderWalk::EarlyEnd::None, at);
        }
      }
  }

  // A folder swapped for a link after its parent was listed is never entered,
  // whether the swap is at the last component or above it.
  void foldersSwappedForLinksDuringTheWalk() {
    for (const std::string swapped : {"b/z", "b"}) {
      TempTree t, outside;
      t.folder("b/z");
      t.file("b/z/inside.txt");
      outside.folder("z");
      outside.file("secret.txt");
      outside.file("z/secret.txt");
      WalkRig rig(t.root());
      bool done = false;
      rig.onYield = [&](int) {
        if (done || !rig.lastStatusIs("b/z")) return;
        done = true;
        t.remove(swapped);
        t.link(swapped, outside.root());
      };
      rig.run();
      QVERIFY2(done && rig.names().empty(), swapped.c_str());
      QCOMPARE(rig.walk->unreadable().paths(), (Names{t.path("b/z")}));
    }
  }

  // Reading ahead changes nothing the walk does, nor do threads the system
  // cannot give or workers that fail. The trees here are in the caches, so
  // the workers are made to read all the same, and do.
  void readAheadChangesNothing() {
    enum Fault { None, NoThread, Failing };
    static const std::thread::id walkThread = std::this_thread::get_id();
    std::vector<std::tuple<Names, Names, int, std::int64_t>> runs;
    for (const auto& [workers, fault] :
         {std::pair{0, None}, {4, None}, {1, None}, {-1, None}, {4, NoThread}, {4, Failing}}) {
      TempTree t;
      buildWide(t);
      WalkRig rig(t.root());
      ReadAheadHooks& hooks = rig.fs.real.readAheadHooks();
      if (fault == NoThread) hooks.startThread = [](auto) { throw std::system_error(EAGAIN, std::generic_category()); };
      if (fault == Failing)
        hooks.now = [] {  // a worker's first call fails
          if (std::this_thread::get_id() != walkThread) throw std::bad_alloc();
          return ColdReads::Clock::now();
        };
      if (workers < 0) rig.walk->setReadAhead(FolderWalk::readAheadWorkers());  // as the program: on a cold cache only
      else rig.walk->setReadAhead(workers, ReadAhead::When::Always);
      rig.onYield = [&](int n) {
        if (rig.lastStatusIs("D/b")) t.remove("D/b");
        if (n == 100 && workers > 0 && fault != NoThread) QTRY_VERIFY(hooks.tally->folders + hooks.tally->failed > 0);
      };
      rig.run();
      runs.emplace_back(rig.folders(), rig.statuses, rig.yields, rig.walk->unreadable().folders());
      QCOMPARE(hooks.tally->workers.load(), fault == NoThread || workers < 0 ? 0 : workers);
    }
    QCOMPARE(std::get<0>(runs[0]).size(), std::size_t(155 - 6));  // D/b and its five subfolders are gone
    QCOMPARE(std::get<3>(runs[0]), 1);
    for (std::size_t i = 1; i < runs.size(); ++i) QVERIFY(runs[i] == runs[0]);
  }

  // With only so many handles to spare, a search still ends complete: the
  // folders the walk keeps open give theirs back, and reading ahead takes
  // none the walk needs. Workers are made slow, so that they hold theirs
  // long.
  void scarceHandlesEndNoSearch() {
    static const std::thread::id walkThread = std::this_thread::get_id();
    TempTree t;
    buildWide(t);
    for (const char* f : {"three.txt", "A/three.txt", "e/D/c/three.txt"}) t.file(f, "the abc text");
    for (const auto& [workers, spare, text] : {std::tuple{0, 4, "abc"}, {4, 4, "abc"}, {4, 6, ""}, {4, 40, "abc"}}) {
      WalkRig full(t.root(), text), rig(t.root(), text);
      full.run();
      rig.fs.real.readAheadHooks().now = [] {
        if (std::this_thread::get_id() != walkThread) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return ColdReads::Clock::now();
      };
      rig.walk->setReadAhead(workers, ReadAhead::When::Always);
      rig.onYield = [](int) { std::this_thread::sleep_for(std::chrono::microseconds(200)); };  // they keep ahead
      rlimit was;
      ::getrlimit(RLIMIT_NOFILE, &was);
      rlimit scarce = was;
      scarce.rlim_cur = was.rlim_cur - HandleCount::spare() + spare;
      ::setrlimit(RLIMIT_NOFILE, &scarce);
      rig.run();
      ::setrlimit(RLIMIT_NOFILE, &was);
      const QByteArray row = QByteArray::number(workers) + " workers, " + QByteArray::number(spare) + " spare, " + text;
      QVERIFY2(rig.names() == full.names() && rig.walk->earlyEnd() == FolderWalk::EarlyEnd::None, row);
    }
  }

  // However long the walk spends on each of many names, a warm tree of large
  // folders reads as warm: no worker starts.
  void warmTreeOfLargeFoldersStartsNoWorker() {
    TempTree t;
    t.file("one");
    for (int f = 0; f < 8; ++f) {
      t.folder(std::to_string(f));
      for (int i = 0; i < 3000; ++i)  // links to one file: quick to make
        QCOMPARE(::link(t.path("one").c_str(), t.path(std::to_string(f) + "/" + std::to_string(i)).c_str()), 0);
    }
    WalkRig rig(t.root());
    for (int run = 0; run < 3; ++run) rig.run();
    QCOMPARE(rig.fs.real.readAheadHooks().tally->workers.load(), 0);
  }
};

QTEST_GUILESS_MAIN(FolderWalkTest)
#include "tst_folderwalk.moc"
