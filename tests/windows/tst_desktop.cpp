// What the windows show and how they are reached: the results table, the
// type images, captions that fit their labels, and what a screen reader and
// the keyboard find.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "engine/ResultList.h"
#include "platform/core/IniSettingsStore.h"
#include "platform/desktop/ThemeIconSource.h"
#include "shell/FontFamilies.h"
#include "shell/MYVARS.h"
#include "shell/frmpgr.h"
#include "support/RecordingDialogs.h"
#include "windows/FRMCONTENTS.h"
#include "windows/FRMFILECONTXT.h"
#include "shell/LabelButton.h"
#include "windows/ResultsTable.h"
#include "windows/frmall.h"
#include "windows/frmoffice.h"

namespace {
QString shown(const ResultsTable& t, int row, int column) {
  return t.data(t.index(row, column), Qt::DisplayRole).toString();
}
std::vector<std::unique_ptr<SearchWindow>> everyWindow() {
  std::vector<std::unique_ptr<SearchWindow>> out;
  out.push_back(std::make_unique<frmall>());
  out.push_back(std::make_unique<FRMFILECONTXT>());
  out.push_back(std::make_unique<FRMCONTENTS>());
  out.push_back(std::make_unique<frmoffice>());
  return out;
}

qint64 iconKey(const ResultsTable& t, int row) {
  return t.data(t.index(row, 0), Qt::DecorationRole).value<QIcon>().cacheKey();
}
}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void tableShowsRecordsInBatches() {
    ThemeIconSource icons;
    ResultList list;
    ResultsTable table(list, icons);
    QSignalSpy inserted(&table, &QAbstractItemModel::rowsInserted);
    QCOMPARE(table.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("File Name"));
    QCOMPARE(table.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("In Folder"));
    QCOMPARE(table.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Size"));
    list.setFolder("/home/u/line\nbreak");
    for (int i = 0; i < 1000; ++i) list.append("n" + std::to_string(i) + ".txt", 1536);
    QCOMPARE(table.rowCount(), 0);  // nothing shown before the flush
    table.flush();
    table.flush();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(table.rowCount(), 1000);
    QCOMPARE(shown(table, 999, 0), QString("n999.txt"));
    QCOMPARE(shown(table, 0, 1), QString("/home/u/line\\nbreak"));
    QCOMPARE(shown(table, 0, 2), QString("2 KB"));
    QCOMPARE(table.data(table.index(0, 1), Qt::DecorationRole).value<QIcon>().cacheKey(),
             icons.image(IconSource::kFolder).cacheKey());
    QVERIFY(!table.data(table.index(1000, 0), Qt::DisplayRole).isValid());
    list.clear();
    table.reset();
    QCOMPARE(table.rowCount(), 0);
  }

  // The type comes from the whole name, by the MIME database's rules.
  void imagesByTypeFromTheWholeName() {
    ThemeIconSource icons;
    ResultList list;
    ResultsTable table(list, icons);
    list.setFolder("/f");
    for (const char* name : {"notes.txt", "OTHER.TXT", "Makefile", "README", "no-type-here", "photo.png",
                             "archive.tar.gz", "\xff\xfe.\xe9", "data.zzqqx"})
      list.append(name, 1);
    table.flush();
    QCOMPARE(iconKey(table, 0), iconKey(table, 1));
    // Names without an extension are still typed by name: text, not unknown data.
    QCOMPARE(iconKey(table, 2), iconKey(table, 0));
    QCOMPARE(iconKey(table, 3), iconKey(table, 0));
    QVERIFY(iconKey(table, 4) != iconKey(table, 0));
    QVERIFY(iconKey(table, 5) != iconKey(table, 0));
    QVERIFY(iconKey(table, 6) != iconKey(table, 4));  // an archive
    for (int row : {7, 8}) QVERIFY(!table.data(table.index(row, 0), Qt::DecorationRole).value<QIcon>().isNull());
    const int count = icons.count();
    for (int i = 0; i < 100; ++i) icons.iconIndex("file" + std::to_string(i) + ".txt");
    QCOMPARE(icons.count(), count);  // one image per type, not per file
  }

  void designFontsMapToInstalledFamilies() {
    const QFontInfo tahoma(FontFamilies::font("Tahoma", 27.75, true));
    const QFontInfo arial(FontFamilies::font("Arial", 12));
    const QFontInfo times(FontFamilies::font("Times New Roman", 12));
    QVERIFY2(tahoma.family() == "Tahoma" || tahoma.family() == "Liberation Sans", qPrintable(tahoma.family()));
    QCOMPARE(arial.family(), QString("Liberation Sans"));
    QCOMPARE(times.family(), QString("Liberation Serif"));
    QVERIFY(tahoma.bold());
  }

  // Every caption the busy window and the search window show fits its label.
  void captionsFitTheirLabels() {
    frmpgr busy(1000);
    const QFontMetrics busyFont(busy.Label1->font());
    for (const char* caption : {"Transforming...", "Loading...", "Processing...", "Examining Types...", "Openning...",
                                "Loading..", "Validating...", "Exiting...", "Cancelling..", "Processing....",
                                "Returning...", "Openning Application...", "Failed.."})
      QVERIFY2(busyFont.horizontalAdvance(caption) <= busy.Label1->contentsRect().width(), caption);

    RecordingDialogs dialogs;
    for (const auto& w : everyWindow()) {
      for (QLabel* label : w->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap()) continue;
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(w->objectName() + "." + label->objectName()));
      }
      for (LabelButton* button : w->findChildren<LabelButton*>())
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
      QVERIFY(w->chkmatch->sizeHint().width() <= w->chkmatch->width());
      // Nothing overlaps: every visible control of the window stands apart.
      QList<QWidget*> placed;
      for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!c->isHidden() && c->objectName() != "lblin" && !c->objectName().startsWith("lnn")) placed << c;
      for (qsizetype i = 0; i < placed.size(); ++i)
        for (qsizetype j = i + 1; j < placed.size(); ++j)
          QVERIFY2(!placed[i]->geometry().intersects(placed[j]->geometry()),
                   qPrintable(w->objectName() + ": " + placed[i]->objectName() + " / " + placed[j]->objectName()));
    }
  }

  // In every window: each field is named or labelled, each label button is a button.
  void everyWindowIsNamedForScreenReaders() {
    RecordingDialogs dialogs;
    for (const auto& w : everyWindow()) {
      for (QLineEdit* field : w->findChildren<QLineEdit*>()) {
        if (field->parentWidget() != w.get()) continue;  // a combo box's own editor
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(field);
        QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(field->objectName()));
      }
      for (QComboBox* box : w->findChildren<QComboBox*>())
        QVERIFY2(!QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label).isEmpty(),
                 qPrintable(box->objectName()));
      for (LabelButton* button : w->findChildren<LabelButton*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(a->role(), QAccessible::Button);
        QVERIFY(!a->text(QAccessible::Name).isEmpty());
      }
    }
  }

  void everyControlIsNamedAndReachable() {
    RecordingDialogs dialogs;
    frmall w;
    w.show();
    struct Expected {
      QWidget* widget;
      QAccessible::Role role;
      QString name;
    };
    const std::vector<Expected> controls{
        {w.txtname, QAccessible::EditableText, "Named"},
        {w.cmdfind, QAccessible::Button, "Find Now!"},      {w.cmdcanc, QAccessible::Button, "Close"},
        {w.chkmatch, QAccessible::CheckBox, "Match Case"}, {w.closeLabel, QAccessible::Button, "Close"},
    };
    for (const Expected& e : controls) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(e.widget);
      QVERIFY2(a, qPrintable(e.widget->objectName()));
      QCOMPARE(a->role(), e.role);
      QCOMPARE(a->text(QAccessible::Name), e.name);
      QVERIFY2(e.widget->focusPolicy() & Qt::TabFocus, qPrintable(e.widget->objectName()));
    }
    // The location box is labelled by its caption (on this platform a combo
    // box's name is its text; screen readers take the label relation).
    QAccessibleInterface* location = QAccessible::queryAccessibleInterface(w.cboLoc);
    QCOMPARE(location->role(), QAccessible::ComboBox);
    const auto labels = location->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().first->text(QAccessible::Name), QString("Location:"));
    // A button's press action presses it.
    QAccessibleInterface* find = QAccessible::queryAccessibleInterface(w.cmdfind);
    QVERIFY(find->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    w.txtname->setText("ab");
    find->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(dialogs.messages.size(), std::size_t(1));  // the press is animated
    // Tab runs through the fields, then the buttons.
    w.activateWindow();
    w.txtname->setFocus();
    QList<QWidget*> visited;
    for (int i = 0; i < 7; ++i) {
      visited << QApplication::focusWidget();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, (QList<QWidget*>{w.txtname, w.cboLoc, w.cmdfind, w.cmdcanc, w.chkmatch, w.lv, w.closeLabel}));
  }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
