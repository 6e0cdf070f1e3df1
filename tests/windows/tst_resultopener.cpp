// Opening a result through the desktop's real association table, set up in
// a private XDG environment: a recorder application registered as the
// default for a test type, and a second type that no application takes.
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QtTest>

#include "shell/LabelButton.h"
#include "shell/MYVARS.h"
#include "support/RecordingDialogs.h"
#include "support/TempTree.h"
#include "windows/FRMFILECONTXT.h"
#include "windows/frmall.h"

namespace {
QTemporaryDir* desktop = nullptr;

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
            "<?xml version='1.0'?>\n"
            "<mime-info xmlns='http://www.freedesktop.org/standards/shared-mime-info'>\n"
            " <mime-type type='application/x-quorrel-test'><glob pattern='*.qrltest'/></mime-type>\n"
            " <mime-type type='application/x-quorrel-orphan'><glob pattern='*.qrlorphan'/></mime-type>\n"
            "</mime-info>\n");
  // The recorder writes its arguments, NUL-terminated, and its working folder.
  writeFile(d + "/recorder",
            "#!/bin/sh\nout=\"$(dirname \"$0\")\"; pwd > \"$out/cwd\"\n"
            "printf '%s\\0' \"$@\" > \"$out/args.tmp\" && mv \"$out/args.tmp\" \"$out/args\"\n");
  QFile::setPermissions(d + "/recorder", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  writeFile(d + "/data/applications/quorrel-recorder.desktop",
            "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + (d + "/recorder").toUtf8() +
                " %f\nMimeType=application/x-quorrel-test;\n");
  writeFile(d + "/config/mimeapps.list",
            "[Default Applications]\napplication/x-quorrel-test=quorrel-recorder.desktop\n");
}

QByteArray record(const char* name) {
  QFile file(desktop->path() + "/" + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

class ResultOpenerTest : public QObject {
  Q_OBJECT
  std::unique_ptr<RecordingDialogs> dialogs_;

  // Searches the tree for the text, then double-clicks the first result
  // ("row"), or selects it and double-clicks below the rows ("below"), or
  // double-clicks below the rows with nothing selected ("unselected").
  void openFirstResult(SearchWindow& w, const TempTree& t, const QString& text, const QString& how = "row") {
    w.show();
    w.txtname->setText(text);
    w.cboLoc->setEditText(QString::fromStdString(t.root()));
    QTest::mouseClick(w.cmdfind, Qt::LeftButton);
    QVERIFY(w.results().size() > 0);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.lv->doItemsLayout();
    if (how != "unselected") w.lv->selectRow(0);
    const QPoint at = how == "row" ? w.lv->visualRect(w.lv->model()->index(0, 0)).center()
                                   : QPoint(10, w.lv->viewport()->height() - 5);
    QCOMPARE(w.lv->indexAt(at).isValid(), how == "row");
    // As the window system sends it: a click, then the double-click.
    if (how == "row") QTest::mouseClick(w.lv->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w.lv->viewport(), Qt::LeftButton, {}, at);
  }

private Q_SLOTS:
  void initTestCase() { QCOMPARE(QProcess::execute("update-mime-database", {desktop->path() + "/data/mime"}), 0); }
  void init() {
    MYVARS::resetState();
    MYVARS::setCommandLine({});
    dialogs_ = std::make_unique<RecordingDialogs>();
    QFile::remove(desktop->path() + "/args");
  }
  void cleanup() { dialogs_.reset(); }

  // The exact path, as one argument, whatever the name holds; the
  // application starts in the file's folder.
  void launchesTheDefaultApplicationWithTheExactPath_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("how");
    QTest::newRow("option-like") << QByteArray("-rf.qrltest") << "row";
    QTest::newRow("shell text") << QByteArray("; ls.qrltest") << "row";
    QTest::newRow("field code") << QByteArray("%u.qrltest") << "row";
    QTest::newRow("newline") << QByteArray("a\nb.qrltest") << "row";
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9.qrltest") << "row";
    QTest::newRow("selected, double-clicked below the rows") << QByteArray("picked.qrltest") << "below";
  }
  void launchesTheDefaultApplicationWithTheExactPath() {
    QFETCH(QByteArray, name);
    QFETCH(QString, how);
    TempTree t;
    t.folder("with space");
    t.file("with space/" + name.toStdString(), "data");
    frmall w;
    openFirstResult(w, t, "qrltest", how);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(desktop->path() + "/args"), 10000);
    QCOMPARE(record("args"), QByteArray::fromStdString(t.path("with space/" + name.toStdString())) + '\0');
    QCOMPARE(record("cwd").trimmed(), QByteArray::fromStdString(t.path("with space")));
    QVERIFY(dialogs_->messages.empty());
  }

  // A type no application takes is said (the containing-text window without
  // the "Failed.." display); a file deleted meanwhile fails quietly; with no
  // result selected nothing happens.
  void whenNothingIsOpened_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("busy");
    const QString find = "Processing...", opening = "Openning Application...";
    QTest::newRow("no application") << "all" << "lonely.qrlorphan" << "row" << QStringList{find, opening, "Failed.."};
    QTest::newRow("no application, containing text")
        << "text" << "lonely.qrlorphan" << "row" << QStringList{find, opening};
    QTest::newRow("deleted meanwhile") << "all" << "gone.qrltest" << "row" << QStringList{find, opening};
    QTest::newRow("nothing selected") << "all" << "one.qrltest" << "unselected" << QStringList{find};
  }
  void whenNothingIsOpened() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, how);
    QFETCH(QStringList, busy);
    TempTree t;
    t.file(name.toStdString(), "data");
    dialogs_->duringBusy = [&](const QString& caption) {
      if (caption == "Openning Application..." && name.startsWith("gone")) t.remove(name.toStdString());
    };
    std::unique_ptr<SearchWindow> w;
    if (window == "text") w = std::make_unique<FRMFILECONTXT>();
    else w = std::make_unique<frmall>();
    if (QLineEdit* text = w->findChild<QLineEdit*>("txtcont")) text->setText("dat");
    openFirstResult(*w, t, name.left(4), how);
    QCOMPARE(dialogs_->busyCaptions(), busy);
    const bool said = name.endsWith("orphan");
    QCOMPARE(dialogs_->messages.size(), std::size_t(said));
    if (said) QCOMPARE(dialogs_->messages[0].text, "No associated program/application found to open this file.");
    QVERIFY(!QFile::exists(desktop->path() + "/args"));
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
