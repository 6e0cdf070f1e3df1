// SPDX-License-Identifier: GPL-3.0-or-later
// What a user does with the rows of a search window, driven headless: copy
// and drag them out, sort them, save them, and the keys of the list.
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QtTest>
#include <csignal>

#include "engine/DisplayText.h"
#include "engine/ResultList.h"
#include "support/TempTree.h"
#include "support/WindowRig.h"
#include "ui/DesktopDialogs.h"
#include "windows/AllFilesWindow.h"
#include "windows/ResultsTable.h"
#include "windows/ResultsView.h"

namespace {
// Found in this order: a name with a comma, a quote and a line break; one not UTF-8; a plain one.
const char* const kNames[] = {"a,b \"q\"\nc.txt", "caf\xe9.txt", "plain.txt"};
const char* const kShown[] = {"a,b \"q\"\\nc.txt", "caf\\xe9.txt", "plain.txt"};
const char* const kUris[] = {"a%2Cb%20%22q%22%0Ac.txt", "caf%E9.txt", "plain.txt"};

void clickHeader(SearchWindow& w, int column) {
  QHeaderView* header = resultsView(w)->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(column) + 4, 4));
}

void clickRow(SearchWindow& w, int row, Qt::KeyboardModifiers modifiers = {}) {
  const QModelIndex index = resultsView(w)->model()->index(row, 0);
  QTest::mouseClick(resultsView(w)->viewport(), Qt::LeftButton, modifiers, resultsView(w)->visualRect(index).center());
}
}  // namespace

class ResultActionsTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;
  std::unique_ptr<TempTree> tree_;
  std::unique_ptr<SearchWindow> w_;
  QString root_;

  void searchTheThree() {
    tree_ = std::make_unique<TempTree>();
    root_ = QString::fromStdString(tree_->root());
    for (int i = 0; i < 3; ++i) tree_->file(kNames[i], std::string(std::size_t(5 - 2 * i), 'x'));
    w_ = rig_->open(AllFilesWindow::description());
    search(*w_, ".txt", tree_->root());
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    resultsView(*w_)->doItemsLayout();
  }

private Q_SLOTS:
  void init() {
    w_.reset();  // before the context it uses
    rig_ = std::make_unique<WindowRig>();
  }

  // The URIs name the exact bytes; the text is the list's, escapes and all.
  void copiedAndDraggedData_data() {
    QTest::addColumn<QList<int>>("rows");  // clicked, the first without Ctrl
    QTest::addColumn<QString>("how");
    QTest::newRow("three rows, Ctrl+C") << QList<int>{2, 0, 1} << "ctrl+c";
    QTest::newRow("the one not UTF-8, dragged") << QList<int>{1} << "drag";
    QTest::newRow("names of two, from the menu") << QList<int>{0, 2} << "mnuname";
  }
  void copiedAndDraggedData() {
    QFETCH(QList<int>, rows);
    QFETCH(QString, how);
    searchTheThree();
    for (int row : rows) clickRow(*w_, row, row == rows.first() ? Qt::NoModifier : Qt::ControlModifier);
    QStringList text;
    QByteArray uris, gnome = "copy";
    for (int i : {0, 1, 2}) {
      if (!rows.contains(i)) continue;
      text << (how == "mnuname" ? "" : root_ + "/") + kShown[i];
      uris += "file://" + root_.toUtf8() + "/" + kUris[i] + "\r\n";
      gnome += "\nfile://" + root_.toUtf8() + "/" + kUris[i];
    }
    if (how == "ctrl+c") QTest::keyClick(resultsView(*w_), Qt::Key_C, Qt::ControlModifier);
    if (how == "mnuname") w_->findChild<QAction*>(qPrintable(how))->trigger();
    const QModelIndexList selected = resultsView(*w_)->selectionModel()->selectedIndexes();
    std::unique_ptr<QMimeData> dragged(how == "drag" ? resultsView(*w_)->model()->mimeData(selected) : nullptr);
    const QMimeData* data = dragged ? dragged.get() : QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), text.join('\n'));
    QCOMPARE(data->data("text/uri-list"), how == "mnuname" ? QByteArray() : uris);
    QCOMPARE(data->data("x-special/gnome-copied-files"), how == "mnuname" ? QByteArray() : gnome);
  }

  // Copied text holds no character the list shows escaped, so no paste acts as a key; its
  // folder, pasted into the Location box, is searched, never the decoy its text names read otherwise.
  void pastedText_data() {
    QTest::addColumn<QByteArray>("folder");  // each holds a file named as it is, plus ".txt"
    QTest::addColumn<QByteArray>("decoy");
    QTest::newRow("backslash, n") << QByteArray("lit\\nx") << QByteArray("lit\nx");
    QTest::newRow("line feed") << QByteArray("lit\nx") << QByteArray("lit\\nx");
    QTest::newRow("backslash at the end") << QByteArray("end\\") << QByteArray("end");
    QTest::newRow("\\x41 as typed") << QByteArray("\\x41") << QByteArray("A");
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9") << QByteArray("caf\\xe9");
    QTest::newRow("plain") << QByteArray("plain") << QByteArray("x");
    QTest::newRow("ESC that ends a bracketed paste, SI, RLO, DEL, C1, BS, WJ")
        << QByteArray("paste\x1b[201~\x0ftouch PWNED2\x0f\xe2\x80\xae\x7f\xc2\x85\x08\xe2\x81\xa0") << QByteArray("x");
  }
  void pastedText() {
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, decoy);
    TempTree t;
    for (const QByteArray& in : {folder, decoy}) {
      t.folder(in.toStdString());
      t.file((in + '/' + in + ".txt").toStdString());
    }
    w_ = rig_->open(AllFilesWindow::description());
    search(*w_, ".txt", t.root());
    const std::string wanted = t.path(folder.toStdString());
    resultsView(*w_)->selectRow(w_->results().folder(0) == wanted ? 0 : 1);
    w_->findChild<QAction*>("mnucopy")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    for (char32_t c : text.toUcs4()) QVERIFY2(!DisplayText::isHidden(c), qPrintable(QString::number(c, 16)));
    locationBox(*w_)->setEditText(text.left(text.lastIndexOf('/')));
    QTest::mouseClick(findButton(*w_), Qt::LeftButton);
    QCOMPARE(w_->results().size() == 1 ? w_->results().folder(0) : std::string(), wanted);
  }

  // By names as the listings order them, by folder, by bytes rather than
  // the size's text; again reverses. A new search, or a click while one
  // runs, keeps the order found.
  void sorting_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("whileSearching");  // in the first yield, the start folder's rows shown
    QTest::addColumn<QStringList>("names");
    const QStringList found{"alpha.log", "Zeta.log", "Gamma.log", "beta.log"};
    QTest::newRow("name") << QList<int>{0} << false << QStringList{"alpha.log", "beta.log", "Gamma.log", "Zeta.log"};
    QTest::newRow("folder") << QList<int>{1} << false << QStringList{"alpha.log", "Zeta.log", "beta.log", "Gamma.log"};
    QTest::newRow("size") << QList<int>{0, 2} << false << QStringList{"beta.log", "Zeta.log", "Gamma.log", "alpha.log"};
    QTest::newRow("again") << QList<int>{2, 2} << false
                           << QStringList{"alpha.log", "Gamma.log", "Zeta.log", "beta.log"};
    QTest::newRow("new search") << QList<int>{2, -1} << false << found;
    QTest::newRow("while searching") << QList<int>{2} << true << found;
  }
  void sorting() {
    QFETCH(QList<int>, clicks);
    QFETCH(bool, whileSearching);
    QFETCH(QStringList, names);
    TempTree t;  // breadth first: the start folder, b, then a/deep
    t.folder("a/deep");
    t.folder("b");
    for (const auto& [name, kilobytes] :
         {std::pair{"alpha.log", 100}, {"Zeta.log", 10}, {"b/Gamma.log", 50}, {"a/deep/beta.log", 9}})
      t.file(name, std::string(std::size_t(kilobytes) * 1024, 'x'));
    auto w = rig_->open(AllFilesWindow::description());
    if (whileSearching) QTimer::singleShot(0, [&] { clickHeader(*w, clicks.takeFirst()); });
    search(*w, ".log", t.root());
    for (int column : clicks) column < 0 ? QTest::mouseClick(findButton(*w), Qt::LeftButton) : clickHeader(*w, column);
    for (int row = 0; row < names.size(); ++row) QCOMPARE(resultsView(*w)->model()->index(row, 0).data(), names[row]);
  }

  void keys_data() {
    QTest::addColumn<QString>("keys");  // Down and Page Down in the name field, others in the results
    QTest::addColumn<QString>("then");
    for (const auto& [keys, then] : {std::pair{"Down", "results"}, {"PgDown", "results"}, {"Menu", "menu"},
                                     {"Shift+F10", "menu"}, {"Esc", "closed"}})
      QTest::newRow(keys) << QString(keys) << QString(then);
  }
  void keys() {
    QFETCH(QString, keys);
    QFETCH(QString, then);
    searchTheThree();
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    QTest::keySequence(keys.contains("Down") ? static_cast<QWidget*>(nameField(*w_)) : resultsView(*w_), keys);
    QCOMPARE(resultsView(*w_)->hasFocus() && resultsView(*w_)->selectionModel()->isRowSelected(0), then == "results");
    QCOMPARE(w_->findChild<QMenu*>("mnuresults")->isVisible(), then == "menu");
    QCOMPARE(w_->isVisible(), then != "closed");
  }

  // The rows as shown, read back by Python's CSV reader; what a spreadsheet
  // would take for a formula stays text. A write that fails says so and
  // leaves the folder as it was. The desktop's dialog adds ".csv".
  void savingTheList_data() {
    QTest::addColumn<QByteArrayList>("names");  // sorted by size: the first the smallest
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("refused");  // why the save fails, if it does
    QTest::addColumn<QString>("typed");  // into the desktop's own dialog; empty: the recorder answers
    const QByteArrayList three{kNames[2], kNames[1], kNames[0]};
    const QStringList threeShown{kShown[2], kShown[1], kShown[0]};
    QTest::newRow("sorted by size") << three << threeShown << "" << "";
    QTest::newRow("the disk refuses") << three << threeShown << "full" << "";
    QTest::newRow("a FIFO in the way stays") << three << threeShown << "fifo" << "";
    QTest::newRow("formulas") << QByteArrayList{"=1+2.txt", "+1+2.txt", "-1+2.txt", "@SUM(1+1).txt",
                                                "=HYPERLINK(\"http:x\",\"y\").txt"}
                              << QStringList{"'=1+2.txt", "'+1+2.txt", "'-1+2.txt", "'@SUM(1+1).txt",
                                             "'=HYPERLINK(\"http:x\",\"y\").txt"}
                              << "" << "";
    QTest::newRow("typed without .csv") << three << threeShown << "" << "results";
  }
  void savingTheList() {
    QFETCH(QByteArrayList, names);
    QFETCH(QStringList, shown);
    QFETCH(QString, refused);
    QFETCH(QString, typed);
    TempTree tree, out;
    for (qsizetype i = 0; i < names.size(); ++i)
      tree.file(names[i].toStdString(), std::string(std::size_t(i + 1), 'x'));
    DesktopDialogs desktop;
    Context context(rig_->settings, rig_->fileSystem, rig_->icons, rig_->opener, rig_->fileManager, desktop);
    SearchWindow w(typed.isEmpty() ? rig_->context() : context, AllFilesWindow::description());
    w.show();
    search(w, ".txt", tree.root());
    clickHeader(w, 2);
    if (refused == "fifo") QCOMPARE(::mkfifo(out.path("list.csv").c_str(), 0644), 0);
    else out.file("list.csv", "old");
    const QString folder = QString::fromStdString(out.root());
    const QString file = rig_->dialogs.saveAnswer = folder + (typed.isEmpty() ? "/list.csv" : "/results.csv");
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      name->setText(folder + "/" + typed);
      QTest::keyClick(name, Qt::Key_Return);
    });
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const rlimit small{refused == "full" ? 32 : before.rlim_cur, before.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    w.findChild<QAction*>("mnusave")->trigger();
    ::setrlimit(RLIMIT_FSIZE, &before);
    QCOMPARE(QFileInfo(file).isFile(), refused != "fifo");
    QCOMPARE(rig_->dialogs.messages.size(), qsizetype(!refused.isEmpty()));
    if (refused == "fifo") return;
    QProcess python;
    python.start("python3", {"-c",
                             "import csv, json, sys; print(json.dumps(list(csv.reader(open(sys.argv[1], "
                             "newline='', encoding='utf-8')))))",
                             file});
    QVERIFY(python.waitForFinished());
    const QString root = QString::fromStdString(tree.root());
    QJsonArray expected{QJsonArray{"name", "folder", "size", "uri"}};
    for (qsizetype i = 0; i < names.size(); ++i)
      expected << QJsonArray{shown[i], root, QString::number(i + 1),
                             "file://" + root + "/" + names[i].toPercentEncoding()};
    if (!refused.isEmpty()) expected = QJsonArray{QJsonArray{"old"}};
    QCOMPARE(QJsonDocument::fromJson(python.readAllStandardOutput()).array(), expected);
  }

  void appendedRowsPaintedWhereShown_data() {
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("sorted");
    QTest::newRow("below the visible part") << 200 << false;
    QTest::newRow("into view") << 2 << false;
    QTest::newRow("after a sort") << 2 << true;
  }
  void appendedRowsPaintedWhereShown() {
    QFETCH(int, shown);
    QFETCH(bool, sorted);
    struct : QObject {
      QRegion painted;
      bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
      }
    } watch;
    ResultList results;
    ResultsTable table(results, rig_->icons);
    ResultsView view;
    view.setModel(&table);
    for (int i = 0; i < shown; ++i) results.append(std::to_string(i), 1);
    table.flush();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.viewport()->installEventFilter(&watch);
    if (sorted) table.sort(ResultsTable::NameColumn, Qt::DescendingOrder);
    for (int i = 0; i < 3; ++i) results.append("new", 1);
    table.flush();
    QTest::qWait(50);
    const QRect added(0, view.rowViewportPosition(shown), view.viewport()->width(), 3 * view.rowHeight(0));
    QCOMPARE(watch.painted.boundingRect(), sorted ? view.viewport()->rect() : added & view.viewport()->rect());
  }

  // A row's tip wraps its path, though a path has no blank to wrap at, and
  // shows a name that looks like markup as it is. A copy holds the rows'
  // names, not the forms it offers: each is made when asked.
  void aLongList() {
    TempTree tree;
    for (int i = 0; i < 2000; ++i) tree.file(std::to_string(i) + std::string(240, 'n') + ".txt", "");
    tree.file("<img src=x>.txt", "");
    auto w = rig_->open(AllFilesWindow::description());
    search(*w, ".txt", tree.root());
    const QAbstractItemModel* rows = resultsView(*w)->model();
    const QModelIndex markup = rows->match(rows->index(0, 0), Qt::DisplayRole, "<img src=x>.txt").value(0);
    QVERIFY(markup.data(Qt::ToolTipRole).toString().contains("&lt;img src=x&gt;.txt"));
    const QPoint at = resultsView(*w)->visualRect(resultsView(*w)->model()->index(0, 0)).center();
    QHelpEvent help(QEvent::ToolTip, at, resultsView(*w)->viewport()->mapToGlobal(at));
    QApplication::sendEvent(resultsView(*w)->viewport(), &help);
    QWidget* tip = nullptr;
    for (QWidget* shown : QApplication::topLevelWidgets())
      if (shown->inherits("QTipLabel") && shown->isVisible()) tip = shown;
    QVERIFY(tip);
    QVERIFY2(tip->width() <= tip->screen()->geometry().width(), qPrintable(QString::number(tip->width())));
    resultsView(*w)->selectAll();
    const auto heap = [] { return double(mallinfo2().uordblks + mallinfo2().hblkhd); };
    const double before = heap();
    QTest::keyClick(resultsView(*w), Qt::Key_C, Qt::ControlModifier);
    const double held = heap() - before;
    const QByteArray text = QGuiApplication::clipboard()->mimeData()->data("text/plain");
    QCOMPARE(text.count('\n'), 2000);
    QVERIFY2(held < 1.5 * double(text.size()), qPrintable(QString::number(held)));
  }
};

QTEST_MAIN(ResultActionsTest)
#include "tst_resultactions.moc"
