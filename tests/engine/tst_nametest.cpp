// The name test, the size text and the text shown for raw names.
#include <QtTest>

#include "engine/DisplayText.h"
#include "engine/NameTest.h"
#include "engine/SizeText.h"

class NameTestTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void nameTest_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("contains, upper-case name") << "exe" << false << QByteArray("Setup.EXE") << true;
    QTest::newRow("contains at the start") << "exe" << false << QByteArray("exec.txt") << true;
    QTest::newRow("contains at the end") << "exe" << false << QByteArray("readme-exe") << true;
    QTest::newRow("letters apart") << "exe" << false << QByteArray("ex.e") << false;
    QTest::newRow("whole name, other case") << "readme.txt" << true << QByteArray("README.TXT") << true;
    QTest::newRow("whole name, longer") << "readme.txt" << true << QByteArray("readme.txt.bak") << false;
    QTest::newRow("whole name, prefix") << "readme.txt" << true << QByteArray("my readme.txt") << false;
    QTest::newRow("star is literal") << "*.txt" << false << QByteArray("a.txt") << false;
    QTest::newRow("star is literal, present") << "*.txt" << false << QByteArray("x*.txt") << true;
    QTest::newRow("empty text contains") << "" << false << QByteArray("anything") << true;
    QTest::newRow("empty text whole") << "" << true << QByteArray("anything") << false;
    QTest::newRow("spaces are part of the text") << " ab " << false << QByteArray("xabx") << false;
    QTest::newRow("spaces are part of the text, present") << " ab " << false << QByteArray("x ab x") << true;
    QTest::newRow("unicode case") << "\u00c4rger" << false << QByteArray("gro\xc3\x9f\xc3\xa4rger.txt") << true;
    QTest::newRow("unicode case whole") << "\u00c9T\u00c9" << true << QByteArray("\xc3\xa9t\xc3\xa9") << true;
    QTest::newRow("ascii text, kelvin sign folds to k") << "kb" << false << QByteArray("\xe2\x84\xaa" "B.log") << true;
    QTest::newRow("ascii text, non-ascii name, plain hit") << "doc" << false << QByteArray("\xc3\xa9-DOC") << true;
    QTest::newRow("not UTF-8: matched on the decoded name") << "caf" << false << QByteArray("CAF\xe9.txt") << true;
    QTest::newRow("not UTF-8: replacement char") << "\ufffd.t" << false << QByteArray("caf\xe9.txt") << true;
    QTest::newRow("longer than name") << "abcdef" << false << QByteArray("abc") << false;
  }
  void nameTest() {
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(QByteArray, name);
    QFETCH(bool, found);
    NameTest test;
    test.prepare(text);
    QCOMPARE(test.matches(std::string_view(name.constData(), size_t(name.size())), matchCase), found);
  }

  void sizeText() {
    QCOMPARE(SizeText::fromBytes(0), QString("0 KB"));
    QCOMPARE(SizeText::fromBytes(511), QString("0 KB"));
    QCOMPARE(SizeText::fromBytes(512), QString("0 KB"));    // half to even: 0
    QCOMPARE(SizeText::fromBytes(513), QString("1 KB"));
    QCOMPARE(SizeText::fromBytes(1536), QString("2 KB"));   // half to even: 2
    QCOMPARE(SizeText::fromBytes(2560), QString("2 KB"));   // half to even: 2
    QCOMPARE(SizeText::fromBytes(3584), QString("4 KB"));
    QCOMPARE(SizeText::fromBytes(50'000'000), QString("48828 KB"));
    QCOMPARE(SizeText::fromBytes(std::int64_t(5) << 40), QString("5368709120 KB"));
  }

  void displayText() {
    QCOMPARE(DisplayText::fromBytes("plain.txt"), QString("plain.txt"));
    QCOMPARE(DisplayText::fromBytes("a\nb\tc\r"), QString("a\\nb\\tc\\r"));
    QCOMPARE(DisplayText::fromBytes(std::string_view("x\x01y\x7f", 4)), QString("x\\x01y\\x7f"));
    QCOMPARE(DisplayText::fromBytes("caf\xc3\xa9"), QString("caf\u00e9"));
    QCOMPARE(DisplayText::fromBytes("caf\xe9"), QString("caf\ufffd"));
    QVERIFY(!DisplayText::fromBytes("a\nb").contains('\n'));
  }
};

QTEST_GUILESS_MAIN(NameTestTest)
#include "tst_nametest.moc"
