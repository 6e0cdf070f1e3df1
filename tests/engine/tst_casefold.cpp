// SPDX-License-Identifier: GPL-3.0-or-later
// Names and text: the one case rule (name test, whole-name equality, listing
// pattern, folder order), the size text and the text shown for raw names.
#include <QtTest>

#include <random>

#include "engine/CaseFold.h"
#include "engine/DisplayText.h"
#include "engine/Listing.h"
#include "engine/ListingPattern.h"
#include "engine/NameTest.h"
#include "engine/SizeText.h"
#include "support/NameOrder.h"

namespace {
std::string_view view(const QByteArray& b) { return {b.constData(), std::size_t(b.size())}; }
}  // namespace

class CaseFoldTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // Each row is one pair under every rule that ignores case: contained,
  // equal as whole names, admitted by a pattern, and equal in the order.
  void oneCaseRule() {
    const std::tuple<QString, QByteArray, bool> rows[] = {
        {"readme.txt", "README.TXT", true},
        {"sa", "\xc5\xbf" "a", true},     // long s
        {"kb", "\xe2\x84\xaa" "B", true},  // kelvin sign
        {"\u03c3\u03bf\u03c3", "\xce\xa3\xce\x9f\xcf\x82", true},  // final sigma
        {"\u00e9t\u00e9", "\xc3\x89T\xc3\x89", true},
        // Simple folding: sharp s is not "ss", dotless and dotted i fold to nothing else.
        {"strasse", "stra\xc3\x9f" "e", false},
        {"i", "\xc4\xb1", false},
        {"i", "\xc4\xb0", false},
        {"caf\u00e9", "CAF\xe9", false}};  // not UTF-8 stands for itself
    for (const auto& [text, name, same] : rows) {
      NameTest test;
      test.prepare(text);
      const QByteArray inside = "x-" + name + ".log";
      QVERIFY2(test.matches(view(name), true) == same && test.matches(view(name), false) == same, name);
      QVERIFY2(ListingPattern(text.toStdString()).matches(view(name)) == same, name);
      QVERIFY2((NameOrder::compareFolded(text.toStdString(), view(name)) == 0) == same, name);
      QVERIFY2(test.matches(view(inside), false) == same, name);
      QVERIFY2(ListingPattern("*" + text.toStdString() + "*").matches(view(inside)) == same, name);
    }
  }

  // Patterns: "*.ext" is a lookup of the whole tail, anything else star matching.
  void patternElements() {
    const std::tuple<const char*, QByteArray, bool> rows[] = {
        {"*.*", "Makefile", true},      {"*.xl", "old.xls", false},      {"*.XL;*.XLS", "old.xl", true},
        {"*.c", "abc", false},          {"*.txt", ".txt", true},         {"*.tar.gz", "A.TAR.GZ", true},
        {"a*b*c", "aXXbYYc", true},     {"a*b*c", "aXXcYYb", false},     {"exact.txt", "exact.txt.bak", false},
        {";;*.c;", "x.C", true},        {";;", "x.c", false}};
    for (const auto& [pattern, name, admitted] : rows)
      QVERIFY2(ListingPattern(pattern).matches(view(name)) == admitted, pattern + QByteArray(" ") + name);
  }

  void nameOrder() {
    std::vector<std::string> names{"b",  "A",  "a", "B", "c10", "C2", "\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89",
                                   "zz", "\xff", "\xc5\xbf" "b", "sa"};
    std::sort(names.begin(), names.end(), NameOrder::less);
    QCOMPARE(names, (std::vector<std::string>{"A", "a", "B", "b", "c10", "C2", "sa", "\xc5\xbf" "b", "zz",
                                              "\xc3\x89T\xc3\x89", "\xc3\xa9t\xc3\xa9", "\xff"}));
    // A listing sorts by keys made once per name: the same order, here over
    // random names of letters, bytes that are not UTF-8 and characters beyond ASCII.
    std::mt19937 random(7);
    const std::vector<std::string> pieces{"a", "A", "b", "\xc3\xa9", "\xc3\x89", "\xe2\x84\xaa", "k", "\x80",
                                          "\xff", "\xc3", "\xf0\x9f\x98\x80", "~", "s", "\xc5\xbf", "0"};
    NameList list;
    std::vector<std::string> expected;
    for (int n = 0; n < 2000; ++n) {
      std::string name;
      for (int k = int(random() % 5); k >= 0; --k) name += pieces[random() % pieces.size()];
      list.add(name);
      expected.push_back(name);
    }
    list.sort();
    std::stable_sort(expected.begin(), expected.end(), NameOrder::less);
    for (std::size_t i = 0; i < expected.size(); ++i) QCOMPARE(list.at(i), std::string_view(expected[i]));
  }

  void sizeText() {
    const std::vector<std::pair<std::int64_t, QString>> rows{
        {0, "0 KB"}, {512, "0 KB"}, {513, "1 KB"}, {2560, "2 KB"}, {3584, "4 KB"}, {std::int64_t(5) << 40, "5368709120 KB"}};
    for (const auto& [bytes, shown] : rows) QCOMPARE(SizeText::fromBytes(bytes), shown);
  }

  void displayText() {
    const std::vector<std::pair<QByteArray, QString>> rows{
        {"plain.txt", "plain.txt"},
        {"a\nb\tc\r", "a\\nb\\tc\\r"},
        {QByteArray("x\x01y\x7f", 4), "x\\x01y\\x7f"},
        {"caf\xc3\xa9", "caf\u00e9"},
        {"caf\xe9", "caf\\xe9"},                       // not UTF-8: the byte itself
        {"back\\slash", "back\\\\slash"},             // so that the text maps back
        {"c1\xc2\x85", "c1\\u0085"},                   // a control beyond ASCII
        {"line\xe2\x80\xa8" "break", "line\\u2028break"},
        {"invoice\xe2\x80\xae" "fdp.exe", "invoice\\u202efdp.exe"},  // right-to-left override
        {"a\xe2\x81\xa6" "b\xe2\x81\xa9", "a\\u2066b\\u2069"},
        {"zero\xe2\x80\x8bwidth\xef\xbb\xbf", "zero\\u200bwidth\\ufeff"},
        {"tag\xf3\xa0\x80\x81\\xe9", "tag\\U000e0001\\\\xe9"},  // past U+FFFF; a name that reads as an escape
    };
    for (const auto& [bytes, shown] : rows) QCOMPARE(DisplayText::fromBytes(view(bytes)), shown);
    for (const auto& [bytes, shown] : rows) QCOMPARE(DisplayText::toBytes(shown), bytes.toStdString());
    // Typed text: a backslash that starts no escape stays a backslash; hex digits in either case.
    QCOMPARE(DisplayText::toBytes(u"C:\\temp\\q\\x4\\xE9\\ud800\\"), std::string("C:\temp\\q\\x4\xe9\\ud800\\"));
    // Every default-ignorable code point shows as an escape: each the installed list names, or a few.
    QStringList lines{"00AD", "061C", "180E", "2060..2064", "FE0F", "E0001", "E0100"};
    QFile list("/usr/share/unicode/DerivedCoreProperties.txt");
    if (list.open(QIODevice::ReadOnly)) lines = QString(list.readAll()).split('\n').filter("; Default_Ignorable_");
    QVERIFY(!lines.isEmpty());
    for (const QString& line : lines) {
      const QStringList ends = line.section(' ', 0, 0).split("..");
      for (char32_t c = ends.first().toUInt(nullptr, 16); c <= ends.last().toUInt(nullptr, 16); ++c)
        QVERIFY2(DisplayText::fromBytes(view(QStringView(QChar::fromUcs4(c)).toUtf8()))[0] == u'\\', qPrintable(line));
    }
  }
};

QTEST_GUILESS_MAIN(CaseFoldTest)
#include "tst_casefold.moc"
