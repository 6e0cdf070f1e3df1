// The content test: the matcher over chunked streams, and the walk reading
// real files (edges, case, bytes that are not UTF-8, huge sparse files,
// files that change or cannot be read while the search runs).
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <fstream>

#include "engine/ContentMatcher.h"
#include "engine/FolderWalk.h"
#include "engine/ResultList.h"
#include "engine/WalkHost.h"
#include "support/FailingFileSystem.h"
#include "support/OpenHandles.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"

namespace {
using Names = std::vector<std::string>;

// Feeds content to a fresh matcher in the chunks given by the cut points.
bool foundIn(const std::string& needle, const std::string& content, std::vector<std::size_t> cuts = {}) {
  ContentMatcher m;
  m.prepare(needle);
  std::size_t from = 0;
  cuts.push_back(content.size());
  for (std::size_t cut : cuts) {
    if (m.feed(content.data() + from, cut - from)) return true;
    from = cut;
  }
  return m.finish();
}

long peakKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// A containing-text search from root for a text.
Names searched(WalkRig& rig) {
  rig.run();
  return rig.names();
}

struct ContentRig {
  WalkRig rig;
  ContentRig(const std::string& root, QString text) : rig(root) {
    rig.contains = std::move(text);
    rig.walk->setContentTest(true);
  }
};
}  // namespace

class ContentTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // A match that crosses the edge between two chunks at every offset around
  // it, for texts of 1 to 8 bytes, one with a two-byte letter, and the longest
  // the field takes.
  void matchesAcrossEveryChunkEdge() {
    std::vector<std::string> needles{"x", "ab", "a\xc3\xa9z", "abcd", "abcde", "abcdef", "abcdefg", "abcdefgh"};
    std::string longest;
    for (int i = 0; i < 32767; ++i) longest.push_back(char('a' + (i * 7) % 26));
    needles.push_back(longest);
    for (const std::string& needle : needles) {
      std::string upper = needle;
      for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
      const std::string content = std::string(5000, '-') + upper + std::string(5000, '-');
      const std::size_t at = 5000;
      for (std::size_t cut = at - 3; cut <= at + std::min<std::size_t>(needle.size(), 40) + 3; ++cut)
        QVERIFY2(foundIn(needle, content, {cut}), qPrintable(QString("%1 bytes, cut at %2").arg(needle.size()).arg(cut)));
      QVERIFY(foundIn(needle, content, {at + needle.size() / 2, at + needle.size() / 2 + 1}));  // a one-byte chunk
      QVERIFY(!foundIn(needle + "!", content, {at + 1}));
    }
  }

  void caseAndBytes_data() {
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("found");
    QTest::newRow("capitals find small letters") << QByteArray("ABC") << QByteArray("xabcx") << true;
    QTest::newRow("at position 1") << QByteArray("abc") << QByteArray("abcdef") << true;
    QTest::newRow("at the very end") << QByteArray("def") << QByteArray("abcdef") << true;
    QTest::newRow("spaces are part of it") << QByteArray(" ab ") << QByteArray("xabx") << false;
    QTest::newRow("spaces are part of it, present") << QByteArray(" ab ") << QByteArray("x ab x") << true;
    QTest::newRow("accented") << QByteArray("caf\xc3\xa9") << QByteArray("CAF\xc3\x89!") << true;
    QTest::newRow("umlaut") << QByteArray("\xc3\xbc" "ber") << QByteArray("\xc3\x9c" "BER") << true;
    QTest::newRow("greek sigmas") << QByteArray("\xcf\x83\xce\xbf\xcf\x83") << QByteArray("\xce\xa3\xce\x9f\xcf\x82") << true;
    QTest::newRow("cyrillic") << QByteArray("\xd0\xb6\xd1\x83\xd0\xba") << QByteArray("\xd0\x96\xd0\xa3\xd0\x9a") << true;
    QTest::newRow("kelvin sign is k") << QByteArray("kilo") << QByteArray("\xe2\x84\xaa" "ILO") << true;
    QTest::newRow("long s is s") << QByteArray("sun") << QByteArray("\xc5\xbf" "un") << true;
    QTest::newRow("latin-1 bytes are not UTF-8 letters") << QByteArray("caf\xc3\xa9") << QByteArray("caf\xe9") << false;
    QTest::newRow("bytes that are not UTF-8 around it") << QByteArray("abc") << QByteArray("\xff\xc3" "ABC\xe9\x80") << true;
    QTest::newRow("not UTF-8 in the text, exactly") << QByteArray("a\xe9" "b") << QByteArray("A\xe9" "B") << true;
    QTest::newRow("not UTF-8 in the text, other byte") << QByteArray("a\xe9" "b") << QByteArray("a\xe8" "b") << false;
    QTest::newRow("binary around it") << QByteArray("MAGIC") << QByteArray("\x7f" "ELF\0\0\x01magic\0", 14) << true;
    QTest::newRow("zero bytes in the text") << QByteArray("a\0b", 3) << QByteArray("xA\0Bx", 5) << true;
    QTest::newRow("empty text in content") << QByteArray("") << QByteArray("x") << true;
    QTest::newRow("empty content") << QByteArray("abc") << QByteArray("") << false;
  }
  void caseAndBytes() {
    QFETCH(QByteArray, needle);
    QFETCH(QByteArray, content);
    QFETCH(bool, found);
    QCOMPARE(foundIn(needle.toStdString(), content.toStdString()), found);
  }

  // The walk: only name-matching files are read, Match Case never touches
  // the content test, a zero-length file is no match and no failure.
  void walkReadsCandidatesOnly() {
    TempTree t;
    t.file("one.txt", "xabcx");
    t.file("two.txt", "nothing here");
    t.file("ABC-in-name.dat", "no");
    t.file("empty.txt");
    t.file("tool", std::string("\x7f" "ELF\0\0abc\0", 10));  // an executable's bytes
    ContentRig content(t.root(), "ABC");
    WalkRig& rig = content.rig;
    QCOMPARE(searched(rig), (Names{"one.txt", "tool"}));
    rig.name = "one.txt";
    rig.caseOption = true;
    QCOMPARE(searched(rig), (Names{"one.txt"}));
    QCOMPARE(rig.walk->unreadable().total(), 0);
  }

  // A sparse file of 5 GiB with the text at its very end: found, and the
  // memory the search takes does not grow with the file.
  void hugeSparseFileWithTheTextAtItsEnd() {
    TempTree t;
    const std::int64_t size = std::int64_t(5) << 30;
    t.sparse("huge.bin", size - 6);
    {
      std::ofstream tail(t.path("huge.bin"), std::ios::binary | std::ios::app);
      tail << "needle";
    }
    ContentRig content(t.root(), "NEEDLE");
    WalkRig& rig = content.rig;
    int yields = 0;
    rig.onYield = [&](int) { ++yields; };
    const long before = peakKb();
    QCOMPARE(searched(rig), (Names{"huge.bin"}));
    QVERIFY2(peakKb() - before < 16 * 1024, qPrintable(QString("grew %1 kB").arg(peakKb() - before)));
    QVERIFY(yields >= 1);
  }

  // Between listing and reading: a file swapped for a FIFO (never read, never
  // blocks), deleted, or made unreadable (skipped and counted).
  void candidatesThatChangeBeforeTheirRead() {
    TempTree t;
    for (const char* f : {"a-first.txt", "b-fifo.txt", "c-gone.txt", "d-last.txt", "e-device.txt", "f-folder.txt"})
      t.file(f, "the abc text");
    ContentRig content(t.root(), "abc");
    WalkRig& rig = content.rig;
    bool done = false;
    rig.onYield = [&](int) {
      if (done) return;
      done = true;  // the first yield comes while a-first.txt is open
      t.remove("b-fifo.txt");
      t.fifo("b-fifo.txt");
      t.remove("c-gone.txt");
      t.remove("e-device.txt");
      t.link("e-device.txt", "/dev/zero");
      t.remove("f-folder.txt");
      t.folder("f-folder.txt");
    };
    const int handles = openHandles();
    QCOMPARE(searched(rig), (Names{"a-first.txt", "d-last.txt"}));
    QCOMPARE(rig.walk->unreadable().files(), 1);  // the one that vanished
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
  }

  // Handles or memory running out at the n-th folder, file or content opened,
  // for every n: the search ends with what it found, says so, leaks nothing.
  void exhaustionWhileReadingContents() {
    TempTree t;
    t.sample();
    for (const char* f : {"f.txt", "A/f.txt", "B/B1/f.txt"}) t.file(f, "the abc text");
    const int handles = openHandles();  // before any read-ahead worker may hold one
    ContentRig full(t.root(), "abc");
    full.rig.run();
    const Names all = full.rig.names();
    const int calls = full.rig.fs.calls;
    for (int n = 1; n <= calls; ++n) {
      ContentRig content(t.root(), "abc");
      WalkRig& rig = content.rig;
      rig.fs.fault = FailingFileSystem::Fault(1 + n % 3);  // handles, memory reported, memory thrown
      rig.fs.faultAtCall = n;
      rig.run();
      const Names found = rig.names();
      QVERIFY(found.size() < all.size() || rig.walk->earlyEnd() != FolderWalk::EarlyEnd::None);
      QVERIFY(std::equal(found.begin(), found.end(), all.begin()));
      QVERIFY(rig.walk->earlyEnd() != FolderWalk::EarlyEnd::None);
    }
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
  }

  void unreadableCandidatesAreSkippedAndCounted() {
    TempTree t;
    t.file("open.txt", "abc");
    t.file("locked.txt", "abc");
    ::chmod(t.path("locked.txt").c_str(), 0);
    ::chmod(t.root().c_str(), 0755);
    if (::geteuid() != 0) {
      ContentRig content(t.root(), "abc");
    WalkRig& rig = content.rig;
      QCOMPARE(searched(rig), (Names{"open.txt"}));
      QCOMPARE(rig.walk->unreadable().files(), 1);
      return;
    }
    // Root reads everything: search as nobody, in a child process.
    const pid_t child = ::fork();
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
      ContentRig content(t.root(), "abc");
      WalkRig& rig = content.rig;
      rig.walk->setReadAhead(0);  // no new threads in a forked process
      const bool ok = searched(rig) == Names{"open.txt"} && rig.walk->unreadable().files() == 1;
      ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
  }

  // The text is read for each candidate: an edit applies to the ones after it.
  void textEditedAndEmptiedDuringTheSearch() {
    TempTree t;
    t.file("1.txt", "abc");
    t.file("2.txt", "xyz");
    t.file("3.txt", "something");
    t.file("4.txt", "");
    ContentRig content(t.root(), "abc");
    WalkRig& rig = content.rig;
    rig.onYield = [&](int n) {
      if (n == 1) rig.contains = "xyz";  // while 1.txt is read: 1.txt still looks for abc
      if (n == 2) rig.contains = "";     // empty: every later candidate with content
    };
    QCOMPARE(searched(rig), (Names{"1.txt", "2.txt", "3.txt"}));
  }

  // Closing the window while a big file is read ends the read at once.
  void walkDestroyedDuringALongRead() {
    TempTree t;
    t.file("big.txt", std::string(8 << 20, 'z'));
    ContentRig content(t.root(), "abc");
    WalkRig& rig = content.rig;
    const int handles = openHandles();
    rig.onYield = [&](int n) {
      if (n == 3) rig.walk.reset();
    };
    searched(rig);
    QCOMPARE(rig.yields, 3);
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
  }
};

QTEST_GUILESS_MAIN(ContentTest)
#include "tst_content.moc"
