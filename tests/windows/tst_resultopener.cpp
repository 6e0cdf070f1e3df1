// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a result through the desktop's real association table in a private XDG environment: a recorder
// the default for a test type, a type no application takes, Quorrel's own entry for folders and a third type.
#include <QtTest>

#include "support/TempTree.h"
#include "support/WindowRig.h"
#include "windows/AllFilesWindow.h"
#include "windows/ContainingTextWindow.h"

namespace {
QTemporaryDir* desktop = nullptr;
const QStringList kBusy{"Processing...", "Openning Application...", "Failed.."};  // in this order

void writeFile(const QString& path, const QByteArray& text) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(text);
}

// Must run before anything asks GLib where the XDG folders are.
void prepareDesktop() {
  desktop = new QTemporaryDir;
  const QString d = desktop->path();
  qputenv("XDG_DATA_HOME", (d + "/data").toUtf8());
  qputenv("XDG_CONFIG_HOME", (d + "/config").toUtf8());
  qputenv("XDG_DATA_DIRS", "/usr/share");
  writeFile(d + "/data/mime/packages/quorrel-test.xml",
            "<?xml version='1.0'?>\n<mime-info xmlns='http://www.freedesktop.org/standards/shared-mime-info'>\n"
            " <mime-type type='application/x-quorrel-test'><glob pattern='*.qrltest'/></mime-type>\n"
            " <mime-type type='application/x-quorrel-orphan'><glob pattern='*.qrlorphan'/></mime-type>\n"
            " <mime-type type='application/x-quorrel-own'><glob pattern='*.qrlown'/></mime-type>\n"
            "</mime-info>\n");
  // The recorder writes its arguments, NUL-terminated, and its working folder.
  writeFile(d + "/recorder",
            "#!/bin/sh\nout=\"$(dirname \"$0\")\"; pwd > \"$out/cwd\"\n"
            "printf '%s\\0' \"$@\" > \"$out/args.tmp\" && mv \"$out/args.tmp\" \"$out/args\"\n");
  QFile::setPermissions(d + "/recorder", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  writeFile(d + "/data/applications/quorrel-recorder.desktop",
            "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + (d + "/recorder").toUtf8() +
                " %f\nMimeType=application/x-quorrel-test;inode/directory;\n");
  writeFile(d + "/data/applications/quorrel.desktop",  // Quorrel's own, the default for folders: no file manager
            "[Desktop Entry]\nType=Application\nName=Quorrel\nExec=" + (d + "/recorder").toUtf8() +
                " --quorrel %f\nMimeType=inode/directory;application/x-quorrel-own;\n");
  writeFile(d + "/config/mimeapps.list",
            "[Default Applications]\napplication/x-quorrel-test=quorrel-recorder.desktop\n"
            "inode/directory=quorrel.desktop\napplication/x-quorrel-own=quorrel.desktop\n"
            "[Added Associations]\ninode/directory=quorrel.desktop;quorrel-recorder.desktop;\n");
}

QByteArray record(const char* name) {
  QFile file(desktop->path() + "/" + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

class ResultOpenerTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;

  // Searches, then double-clicks the first result ("row") or opens its folder ("shown" by the file manager, or
  // "folder" where none shows it), or double-clicks below the rows with it selected ("below") or with nothing
  // selected. "aside": with a second result current but not selected, Enter, Open or Open Containing Folder.
  void openFirstResult(SearchWindow& w, const TempTree& t, const QString& text, const QString& how = "row") {
    search(w, text, t.root());
    QCOMPARE(w.results().size(), std::size_t(how.startsWith("aside") ? 2 : 1));
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    resultsView(w)->doItemsLayout();
    if (how != "unselected") resultsView(w)->selectRow(0);
    if (how.startsWith("aside"))  // current, selection as it was: as a Ctrl+click on it and a second one leave it
      resultsView(w)->selectionModel()->setCurrentIndex(resultsView(w)->model()->index(1, 0), {});
    if (how == "aside Enter") return QTest::keyClick(resultsView(w), Qt::Key_Return);
    if (how.endsWith("shown") || how.endsWith("folder")) return w.findChild<QAction*>("mnufolder")->trigger();
    if (how == "aside Open") return w.findChild<QAction*>("mnuopen")->trigger();
    const QPoint at = how == "row" ? resultsView(w)->visualRect(resultsView(w)->model()->index(0, 0)).center()
                                   : QPoint(10, resultsView(w)->viewport()->height() - 5);
    // As the window system sends it: a click, then the double-click.
    if (how == "row") QTest::mouseClick(resultsView(w)->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(resultsView(w)->viewport(), Qt::LeftButton, {}, at);
  }

private Q_SLOTS:
  void initTestCase() { QCOMPARE(QProcess::execute("update-mime-database", {desktop->path() + "/data/mime"}), 0); }
  void init() {
    rig_ = std::make_unique<WindowRig>();
    QFile::remove(desktop->path() + "/args");
  }

  // The default application, never Quorrel, gets the exact path as one argument and starts in its folder. A type
  // no other application takes is said, and a file deleted meanwhile. The file manager is asked to show the picked
  // file; where it does not, the first other application for folders opens its folder.
  void opening_data() {
    QTest::addColumn<bool>("containingText");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("busy");  // how many of the busy displays in kBusy showed
    QTest::newRow("option-like, %u, newline, not UTF-8") << false << QByteArray("-rf %u\nx\xe9.qrltest") << "row" << 2;
    QTest::newRow("selected, double-clicked below the rows") << false << QByteArray("picked.qrltest") << "below" << 2;
    QTest::newRow("no application") << false << QByteArray("lonely.qrlorphan") << "row" << 3;
    QTest::newRow("no application, containing text") << true << QByteArray("lonely.qrlorphan") << "row" << 2;
    QTest::newRow("only Quorrel takes it") << false << QByteArray("mine.qrlown") << "row" << 3;
    QTest::newRow("deleted meanwhile") << false << QByteArray("gone.qrltest") << "row" << 3;
    QTest::newRow("another current, Enter") << false << QByteArray("keyed.qrltest") << "aside Enter" << 2;
    QTest::newRow("another current, Open") << false << QByteArray("picked.qrltest") << "aside Open" << 2;
    QTest::newRow("folder, shown") << false << QByteArray("caf\xe9 1.qrltest") << "shown" << 1;
    QTest::newRow("folder, no manager") << false << QByteArray("caf\xe9 1.qrltest") << "folder" << 1;
    QTest::newRow("another current, folder") << false << QByteArray("caf\xe9 1.qrltest") << "aside folder" << 1;
    QTest::newRow("nothing selected") << false << QByteArray("one.qrltest") << "unselected" << 1;
  }
  void opening() {
    QFETCH(bool, containingText);
    QFETCH(QByteArray, name);
    QFETCH(QString, how);
    QFETCH(int, busy);
    TempTree t;
    t.folder("with space/sub");
    const std::string path = t.path("with space/" + name.toStdString());
    t.file("with space/" + name.toStdString(), "data");
    if (how.startsWith("aside")) t.file("with space/sub/" + name.toStdString(), "data");
    if (containingText) t.file("with space/empty.qrlorphan");  // named alike, but not by content
    rig_->dialogs.duringBusy = [&](const QString& caption) {
      if (caption == "Openning Application..." && name.startsWith("gone")) ::unlink(path.c_str());
    };
    rig_->fileManager.answers = how.endsWith("shown");
    auto w = rig_->open(containingText ? ContainingTextWindow::description() : AllFilesWindow::description());
    if (QLineEdit* text = w->findChild<QLineEdit*>("txtcont")) text->setText("DAT");
    openFirstResult(*w, t, QString::fromUtf8(name.mid(name.lastIndexOf('.') + 1)), how);
    QCOMPARE(rig_->dialogs.busyCaptions(), kBusy.mid(0, busy));
    const QString none = "No associated program/application found to open this file.";
    QCOMPARE(rig_->dialogs.messages.join(""), name.startsWith("gone") ? QString::fromStdString(path) + " was not found."
                                              : name.contains(".qrlo") ? none : "");
    QCOMPARE(rig_->fileManager.asked, std::vector<std::vector<std::string>>(how.endsWith("shown") || how.endsWith("folder"), {path}));
    if (how.endsWith("shown")) QTest::qWait(200);  // and nothing opens
    // A file of the recorder's type, still there and picked, is opened; a folder no file manager shows too.
    if (!name.endsWith(".qrltest") || name.startsWith("gone") || how == "unselected" || how.endsWith("shown")) {
      QVERIFY(!QFile::exists(desktop->path() + "/args"));
      return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(desktop->path() + "/args"), 10000);
    QCOMPARE(record("args"), QByteArray::fromStdString(how.endsWith("folder") ? t.path("with space") : path) + '\0');
    QCOMPARE(record("cwd").trimmed(), QByteArray::fromStdString(t.path("with space")));
  }
};

int main(int argc, char** argv) {
  prepareDesktop();
  QApplication app(argc, argv);
  ResultOpenerTest test;
  const int failures = QTest::qExec(&test, argc, argv);
  delete desktop;
  return failures;
}
#include "tst_resultopener.moc"
