// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows show and how they are reached: the results table, captions
// that fit, and what a screen reader and the keyboard find.
#include <QAccessible>
#include <QtTest>

#include "engine/ResultList.h"
#include "support/WindowRig.h"
#include "windows/AllFilesWindow.h"
#include "windows/ContainingTextWindow.h"
#include "windows/MultimediaWindow.h"
#include "windows/OfficeWindow.h"
#include "windows/ResultsTable.h"

namespace {
QString shown(const ResultsTable& t, int row, int column) {
  return t.data(t.index(row, column), Qt::DisplayRole).toString();
}
qint64 iconKey(const ResultsTable& t, int row, int column = 0) {
  return t.data(t.index(row, column), Qt::DecorationRole).value<QIcon>().cacheKey();
}
}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // Records show at a flush only, in one batch; an image per type found from
  // the whole name by the MIME database's rules, made once per type.
  void tableShowsRecordsInBatches() {
    ThemeIconSource icons;
    ResultList list;
    ResultsTable table(list, icons);
    QSignalSpy inserted(&table, &QAbstractItemModel::rowsInserted);
    list.setFolder("/home/u/line\nbreak");
    for (const char* name : {"notes.txt", "OTHER.TXT", "Makefile", "README", "no-type-here", "photo.png",
                             "archive.tar.gz", "\xff\xfe.\xe9", "data.zzqqx"})
      list.append(name, 1536);
    for (int i = 0; i < 1000; ++i) list.append("n" + std::to_string(i) + ".txt", 1);
    QCOMPARE(table.rowCount(), 0);
    table.flush();
    table.flush();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(table.rowCount(), 1009);
    QCOMPARE(shown(table, 1008, 0), QString("n999.txt"));
    QCOMPARE(shown(table, 0, 1), QString("/home/u/line\\nbreak"));
    QCOMPARE(shown(table, 0, 2), QString("2 KB"));
    QCOMPARE(iconKey(table, 0, 1), icons.image(IconSource::kFolder).cacheKey());
    QVERIFY(!table.data(table.index(1009, 0), Qt::DisplayRole).isValid());
    for (int row : {1, 2, 3}) QCOMPARE(iconKey(table, row), iconKey(table, 0));  // 2, 3: text by their names
    for (int row : {4, 5}) QVERIFY(iconKey(table, row) != iconKey(table, 0));
    QVERIFY(iconKey(table, 6) != iconKey(table, 4));  // an archive
    for (int row : {7, 8}) QVERIFY(!table.data(table.index(row, 0), Qt::DecorationRole).value<QIcon>().isNull());
    const int count = icons.count();
    for (int row = 9; row < 1009; ++row) QCOMPARE(iconKey(table, row), iconKey(table, 0));
    QCOMPARE(icons.count(), count);
  }

  // Captions fit, nothing overlaps, fields are named or labelled for screen readers.
  void everyWindowFitsAndIsNamed() {
    WindowRig rig;
    const std::unique_ptr<SearchWindow> windows[]{rig.open(AllFilesWindow::description()),
                                                  rig.open(ContainingTextWindow::description()),
                                                  rig.open(MultimediaWindow::description()),
                                                  rig.open(OfficeWindow::description())};
    for (const auto& w : windows) {
      for (QLabel* label : w->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap()) continue;
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(w->objectName() + "." + label->objectName()));
      }
      for (LabelButton* button : w->findChildren<LabelButton*>()) {
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(a->role(), QAccessible::Button);
        QVERIFY(!a->text(QAccessible::Name).isEmpty());
      }
      QVERIFY(matchCaseBox(*w)->sizeHint().width() <= matchCaseBox(*w)->width());
      QList<QWidget*> placed;
      for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!c->isHidden() && c->objectName() != "lblin" && !c->objectName().startsWith("lnn")) placed << c;
      for (qsizetype i = 0; i < placed.size(); ++i)
        for (qsizetype j = i + 1; j < placed.size(); ++j)
          QVERIFY2(!placed[i]->geometry().intersects(placed[j]->geometry()),
                   qPrintable(w->objectName() + ": " + placed[i]->objectName() + " / " + placed[j]->objectName()));
      for (QLineEdit* field : w->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))  // not a combo box's editor
        QVERIFY2(!QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).isEmpty(),
                 qPrintable(field->objectName()));
      for (QComboBox* box : w->findChildren<QComboBox*>())
        QVERIFY2(!QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label).isEmpty(),
                 qPrintable(box->objectName()));
    }
  }

  // A button's press action presses it; Tab runs through the fields, then the buttons.
  void pressActionAndTabOrder() {
    WindowRig rig;
    auto window = rig.open(AllFilesWindow::description());
    SearchWindow& w = *window;
    nameField(w)->setText("ab");
    QAccessible::queryAccessibleInterface(findButton(w))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(rig.dialogs.messages.size(), std::size_t(1));  // the press is animated
    w.activateWindow();
    nameField(w)->setFocus();
    QList<QWidget*> visited;
    for (int i = 0; i < 7; ++i) {
      visited << QApplication::focusWidget();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, (QList<QWidget*>{nameField(w), locationBox(w), findButton(w), closeButton(w), matchCaseBox(w), resultsView(w), closeLabel(w)}));
  }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
