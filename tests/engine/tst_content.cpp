// SPDX-License-Identifier: GPL-3.0-or-later
// The content test: the matcher over chunked streams, and the walk reading
// real files (edges, case, bytes that are not UTF-8, files that change while
// the search runs).
#include <QtTest>
#include <unistd.h>

#include <fstream>

#include "engine/ContentMatcher.h"
#include "engine/Listing.h"
#include "support/OpenHandles.h"
#include "support/PeakMemory.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"

namespace {
bool foundIn(const std::string& needle, const std::string& content, std::vector<std::size_t> cuts = {},
             ContentMatcher::Compare how = ContentMatcher::Compare::Fastest) {
  ContentMatcher m;
  m.prepare(needle, how);
  std::size_t from = 0;
  cuts.push_back(content.size());
  for (std::size_t cut : cuts) {
    if (m.feed(content.data() + from, cut - from)) return true;
    from = cut;
  }
  return m.finish();
}

Names searched(WalkRig& rig) {
  rig.run();
  return rig.names();
}
}  // namespace

class ContentTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void longestTextAcrossChunkEdges() {
    std::string longest;
    for (int i = 0; i < 32767; ++i) longest.push_back(char('a' + (i * 7) % 26));
    const std::string content = "--" + QByteArray::fromStdString(longest).toUpper().toStdString() + "--";
    for (std::size_t cut = 0; cut <= 40; ++cut) QVERIFY2(foundIn(longest, content, {cut}), QByteArray::number(cut));
    QVERIFY(foundIn(longest, content, {16383, 16384}));
    QVERIFY(!foundIn(longest + "!", content, {1}));
  }

  // Every row cut at every byte, and with every byte alone in a chunk.
  void caseAndBytes() {
    const std::tuple<QByteArray, QByteArray, bool> rows[] = {
        {"ABC", "xabcx", true},  // capitals find small letters
        {"x", "--X--", true},
        {"abcdefgh", "--ABCDEFGH--", true},
        {"def", "abcdef", true},  // at the very end
        {" ab ", "x ab x", true},
        {"caf\xc3\xa9", "CAF\xc3\x89!", true},
        {"\xcf\x83\xce\xbf\xcf\x83", "\xce\xa3\xce\x9f\xcf\x82", true},  // final sigma
        {"kilo", "\xe2\x84\xaa" "ILO", true},                             // kelvin sign
        {"sun", "\xc5\xbf" "un", true},                                   // long s
        {"caf\xc3\xa9", "caf\xe9", false},  // latin-1 bytes are not UTF-8 letters
        {"abc", "\xff\xc3" "ABC\xe9\x80", true},
        {"a\xe9" "b", "A\xe9" "B", true},  // not UTF-8 in the text: that byte exactly
        {"a\xe9" "b", "a\xe8" "b", false},
        {"MAGIC", QByteArray("\x7f" "ELF\0\0\x01magic\0", 14), true},
        {QByteArray("a\0b", 3), QByteArray("xA\0Bx", 5), true},
        {"a{b", "A[B", false},  // only letters have cases
        {"", "x", true}};
    for (const auto& [needle, content, found] : rows) {
      const std::string text = needle.toStdString(), bytes = content.toStdString();
      for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        QVERIFY2(foundIn(text, bytes, {cut}) == found, qPrintable(QString("%1, cut at %2").arg(needle).arg(cut)));
        QVERIFY2(foundIn(text, bytes, {cut, cut + 1}) == found, qPrintable(QString("%1, byte %2").arg(needle).arg(cut)));
      }
      // ASCII texts are compared byte by byte unless told to decode: the same outcome.
      QVERIFY2(foundIn(text, bytes, {}, ContentMatcher::Compare::Decoding) == found, needle.constData());
    }
  }

  // The text at every place across the scan's 16- and 32-byte steps, alone
  // and among near misses, with and without a long start that sets which
  // byte is looked for first, and cut between its rare bytes at a long read's edge.
  void textAtEveryPlace() {
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"zanzibar", "ZaNzIbAr", "ZANZIBAx-"},
        {"kilo", "\xe2\x84\xaaILO", "KILx\xe2\x84\xaa"},  // kelvin sign: decoded
        {"\xcf\x83\xce\xbf\xcf\x86\xce\xaf\xce\xb1", "\xce\xa3\xce\x9f\xce\xa6\xce\x8a\xce\x91",
         "\xce\xa3\xce\x9f\xce\xa6\xce\x8ax"}};  // two-byte letters
    for (const auto& [needle, shown, nearMiss] : rows) {
      std::string misses;
      while (misses.size() < 9000) misses += nearMiss;
      QVERIFY(!foundIn(needle, misses));
      // The steps restart after a near miss; after a long start without the
      // text, the scan looks for the rarer byte first.
      for (const std::string& around : {misses, std::string(4216, '.')})
        for (const std::size_t ahead : {0, 4096})
          for (std::size_t at = 0; at < 120; ++at) {
            const std::string content = around.substr(0, ahead + at) + shown + around.substr(ahead + at, 120 - at);
            QVERIFY2(foundIn(needle, content), qPrintable(QString("%1 after %2").arg(at).arg(ahead)));
          }
      const std::string longRead = misses.substr(0, 6000) + shown + misses;
      for (std::size_t cut = 5990; cut < 6000 + shown.size(); ++cut)
        QVERIFY2(foundIn(needle, longRead, {cut}), qPrintable(QString::number(cut)));
    }
  }

  // The memory the search takes does not grow with the file: a sparse file
  // of 5 GiB with the text at its very end.
  void hugeSparseFileWithTheTextAtItsEnd() {
    TempTree t;
    const std::int64_t size = std::int64_t(5) << 30;
    t.file("huge.bin");
    QCOMPARE(::truncate(t.path("huge.bin").c_str(), size - 6), 0);
    std::ofstream(t.path("huge.bin"), std::ios::binary | std::ios::app) << "needle";
    WalkRig rig(t.root(), "NEEDLE");
    const long before = peakKb();
    QCOMPARE(searched(rig), (Names{"huge.bin"}));
    QVERIFY2(peakKb() - before < 16 * 1024, qPrintable(QString("grew %1 kB").arg(peakKb() - before)));
  }

  // Swapped between listing and lookup: never read, never blocking; a deleted
  // file skipped and counted. The swaps come after the first listing yield.
  void filesThatChangeBeforeTheirLookup() {
    for (const bool content : {false, true}) {
      TempTree t;
      const Names swapped{"b-fifo.txt", "c-gone.txt", "e-device.txt", "f-folder.txt", "g-proc.txt"};
      Names expected;
      for (unsigned i = 0; i < ListingSink::kEntriesPerYield; ++i)
        expected.push_back(std::to_string(1000 + i) + ".txt");
      expected.push_back("d-last.txt");
      for (const std::string& f : expected) t.file(f, "the abc text");
      for (const std::string& f : swapped) t.file(f, "the abc text");
      WalkRig rig(t.root(), content ? "abc" : QString());
      bool done = false;
      rig.onYield = [&](int) {
        if (done || rig.results.size() == 0) return;
        done = true;
        for (const std::string& f : swapped) t.remove(f);
        t.fifo("b-fifo.txt");
        t.link("e-device.txt", "/dev/zero");
        t.folder("f-folder.txt");
        t.link("g-proc.txt", "/proc/self/status");  // a regular file, on no real file system
      };
      const int handles = openHandles();
      QCOMPARE(searched(rig), expected);
      QCOMPARE(rig.walk->unreadable().files(), 1);  // the one that vanished
      QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
    }
  }

  // A yield while a candidate is read: an edited text counts from the next
  // candidate; Stop ends before the next candidate, not with the folder as a
  // name search does; a close ends even a long read at once.
  void eventsWhileCandidatesAreRead() {
    // The action (stop, close, truncate, or the new text) at a yield: one per
    // candidate with content, one per 64 KiB read of 5.txt.
    const std::tuple<QString, int, Names> rows[] = {
        {"xyz", 1, {"1.txt", "2.txt"}},
        {"", 2, {"1.txt", "3.txt", "5.txt", "6.txt", "7.txt"}},
        {"stop", 1, {"1.txt"}},
        {"stop", 5, {"1.txt", "3.txt", "5.txt"}},  // a long read is read to its end
        {"close", 5, {"1.txt", "3.txt"}},
        {"truncate", 5, {"1.txt", "3.txt", "6.txt", "7.txt"}}};
    for (const auto& [action, atYield, found] : rows) {
      TempTree t;
      t.folder("sub");
      for (const char* f : {"1.txt", "3.txt", "6.txt", "sub/7.txt"}) t.file(f, "abc");
      t.file("2.txt", "xyz");
      t.file("4.txt");
      t.file("5.txt", std::string(8 << 20, 'z') + "abc");
      WalkRig rig(t.root(), "abc");
      const int handles = openHandles();
      rig.onYield = [&](int n) {
        if (n != atYield) return;
        if (action == "close") rig.walk.reset();
        else if (action == "stop") rig.stop = true;
        else if (action == "truncate") QCOMPARE(::truncate(t.path("5.txt").c_str(), 100), 0);
        else rig.contains = action;
      };
      QCOMPARE(searched(rig), found);
      QVERIFY(action != "close" || rig.yields == atYield);
      QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
    }
  }
};

QTEST_GUILESS_MAIN(ContentTest)
#include "tst_content.moc"
