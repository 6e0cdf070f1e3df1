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
  void oneCaseRule_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("same");
    QTest::newRow("ascii") << "readme.txt" << QByteArray("README.TXT") << true;
    QTest::newRow("long s and s") << "sa" << QByteArray("\xc5\xbf" "a") << true;
    QTest::newRow("kelvin sign and k") << "kb" << QByteArray("\xe2\x84\xaa" "B") << true;
    QTest::newRow("final sigma and sigma") << "\u03c3\u03bf\u03c3" << QByteArray("\xce\xa3\xce\x9f\xcf\x82") << true;
    QTest::newRow("accented") << "\u00e9t\u00e9" << QByteArray("\xc3\x89T\xc3\x89") << true;
    // Simple folding: sharp s is not "ss", dotless and dotted i fold to nothing else.
    QTest::newRow("sharp s is not ss") << "strasse" << QByteArray("stra\xc3\x9f" "e") << false;
    QTest::newRow("dotless i is not i") << "i" << QByteArray("\xc4\xb1") << false;
    QTest::newRow("dotted capital I is not i") << "i" << QByteArray("\xc4\xb0") << false;
    QTest::newRow("not UTF-8 stands for itself") << "caf\u00e9" << QByteArray("CAF\xe9") << false;
  }
  void oneCaseRule() {
    QFETCH(QString, text);
    QFETCH(QByteArray, name);
    QFETCH(bool, same);
    NameTest test;
    test.prepare(text);
    QCOMPARE(test.matches(view(name), true), same);
    QCOMPARE(test.matches(view(name), false), same);
    QCOMPARE(ListingPattern(text.toStdString()).matches(view(name)), same);
    QCOMPARE(NameOrder::compareFolded(text.toStdString(), view(name)) == 0, same);
    QCOMPARE(test.matches(view("x-" + name + ".log"), false), same);
    QCOMPARE(ListingPattern("*" + text.toStdString() + "*").matches(view("x-" + name + ".log")), same);
  }

  void nameTest_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("letters apart") << "exe" << false << QByteArray("ex.e") << false;
    QTest::newRow("whole name, longer") << "readme.txt" << true << QByteArray("readme.txt.bak") << false;
    QTest::newRow("star is literal") << "*.txt" << false << QByteArray("a.txt") << false;
    QTest::newRow("empty text contains") << "" << false << QByteArray("anything") << true;
    QTest::newRow("empty text whole") << "" << true << QByteArray("anything") << false;
    QTest::newRow("spaces are part of the text") << " ab " << false << QByteArray("xabx") << false;
    QTest::newRow("not UTF-8 around the text") << "caf" << false << QByteArray("\xff" "CAF\xe9.txt") << true;
    QTest::newRow("longer than name") << "abcdef" << false << QByteArray("abc") << false;
  }
  void nameTest() {
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(QByteArray, name);
    QFETCH(bool, found);
    NameTest test;
    test.prepare(text);
    QCOMPARE(test.matches(view(name), matchCase), found);
  }

  void patternElements_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("admitted");
    QTest::newRow("star-dot-star takes names without a dot") << "*.*" << "Makefile" << true;
    QTest::newRow("extension is the whole tail") << "*.xl" << "old.xls" << false;
    QTest::newRow("short element beside a longer one") << "*.XL;*.XLS" << "old.xl" << true;
    QTest::newRow("extension needs its dot") << "*.c" << "abc" << false;
    QTest::newRow("extension alone is a name") << "*.txt" << ".txt" << true;
    QTest::newRow("two-part tail") << "*.tar.gz" << "A.TAR.GZ" << true;
    QTest::newRow("inner stars") << "a*b*c" << "aXXbYYc" << true;
    QTest::newRow("inner stars fail") << "a*b*c" << "aXXcYYb" << false;
    QTest::newRow("literal element fails") << "exact.txt" << "exact.txt.bak" << false;
    QTest::newRow("empty elements skipped") << ";;*.c;" << "x.C" << true;
    QTest::newRow("nothing but separators") << ";;" << "x.c" << false;
  }
  void patternElements() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, admitted);
    QCOMPARE(ListingPattern(pattern.toStdString()).matches(name.toStdString()), admitted);
  }

  void nameOrder() {
    std::vector<std::string> names{"b", "A", "a", "B", "c10", "C2", "\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89", "zz",
                                   "\xff", "\xc5\xbf" "b", "sa"};
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
        {0, "0 KB"},         {511, "0 KB"},        {512, "0 KB"},         {513, "1 KB"},
        {1536, "2 KB"},      {2560, "2 KB"},       {3584, "4 KB"},        {50'000'000, "48828 KB"},
        {std::int64_t(5) << 40, "5368709120 KB"}};
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
