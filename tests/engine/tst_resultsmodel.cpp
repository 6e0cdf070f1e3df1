// The results model: columns, batches and what a view is shown.
#include <QSignalSpy>
#include <QtTest>

#include "engine/ResultsModel.h"
#include "platform/ThemeIconSource.h"

class ResultsModelTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void columnsAndRows() {
    ThemeIconSource icons;
    ResultsModel lv(icons);
    QCOMPARE(lv.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Size"));
    const std::string folder = "/home/u/line\nbreak";
    lv.setFolder(folder);
    lv.append("a\tb.txt", 1536, icons.iconIndex("a.txt"));
    lv.flush();
    QCOMPARE(lv.data(lv.index(0, 1), Qt::DisplayRole).toString(), QString("/home/u/line\\nbreak"));
    QCOMPARE(lv.data(lv.index(0, 0), Qt::DecorationRole).value<QIcon>().cacheKey(),
             icons.image(icons.iconIndex("x.txt")).value<QIcon>().cacheKey());
    QCOMPARE(lv.data(lv.index(0, 1), Qt::DecorationRole).value<QIcon>().cacheKey(),
             icons.image(IconSource::kFolder).value<QIcon>().cacheKey());
    QVERIFY(!lv.data(lv.index(5, 0), Qt::DisplayRole).isValid());
    QCOMPARE(lv.folder(0), folder);  // the raw bytes, for opening
  }

  void appendsReachViewsInBatches() {
    ThemeIconSource icons;
    ResultsModel lv(icons);
    QSignalSpy inserted(&lv, &QAbstractItemModel::rowsInserted);
    std::string first = "/one", second = "/two";
    lv.setFolder(first);
    for (int i = 0; i < 1000; ++i) lv.append(std::string("n").append(std::to_string(i)), i, 0);
    QCOMPARE(lv.rowCount(), 0);  // nothing shown before the flush
    QCOMPARE(lv.pendingCount(), std::size_t(1000));
    lv.setFolder(second);
    lv.append(std::string(300'000, 'L'), 1, 0);  // longer than an arena block
    lv.flush();
    lv.flush();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(lv.rowCount(), 1001);
    QCOMPARE(lv.name(999), std::string_view("n999"));
    QCOMPARE(lv.folder(999), first);
    QCOMPARE(lv.folder(1000), second);
    QCOMPARE(lv.name(1000).size(), std::size_t(300'000));
    first = "/changed";  // the model keeps its own copy
    QCOMPARE(lv.folder(0), std::string("/one"));
    lv.clear();
    QCOMPARE(lv.rowCount(), 0);
  }
};

QTEST_MAIN(ResultsModelTest)
#include "tst_resultsmodel.moc"
