// Opening a result through the desktop's real association table, set up in
// a private XDG environment: a recorder application registered as the
// default for a test type, and a second type that no application takes.
#include <QItemSelectionModel>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QtTest>
#include <fstream>

#include "shell/MYVARS.h"
#include "support/RecordingDialogs.h"
#include "support/TempTree.h"
#include "shell/LabelButton.h"
#include "windows/FRMFILECONTXT.h"
#include "windows/frmall.h"

namespace {
QTemporaryDir* desktop = nullptr;

void writeFile(const QString& path, const QByteArray& text) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(text);
}

// Must run before anything asks GLib where the XDG folders are.
void prepareDesktop() {
  desktop = new QTemporaryDir;
  const QString d = desktop->path();
  QDir().mkpath(d + "/data/applications");
  QDir().mkpath(d + "/data/mime/packages");
  QDir().mkpath(d + "/config");
  qputenv("XDG_DATA_HOME", (d + "/data").toUtf8());
  qputenv("XDG_CONFIG_HOME", (d + "/config").toUtf8());
  qputenv("XDG_DATA_DIRS", "/usr/share");
}

void registerTypes() {
  const QString d = desktop->path();
  writeFile(d + "/data/mime/packages/quorrel-test.xml",
            "<?xml version='1.0'?>\n"
            "<mime-info xmlns='http://www.freedesktop.org/standards/shared-mime-info'>\n"
            " <mime-type type='application/x-quorrel-test'><glob pattern='*.qrltest'/></mime-type>\n"
            " <mime-type type='application/x-quorrel-orphan'><glob pattern='*.qrlorphan'/></mime-type>\n"
            "</mime-info>\n");
  QCOMPARE(QProcess::execute("update-mime-database", {d + "/data/mime"}), 0);
  writeFile(d + "/recorder",
            "#!/bin/sh\n"
            "out=\"$(dirname \"$0\")\"\n"
            "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out/args.tmp\"\n"
            "pwd > \"$out/cwd\"\n"
            "mv \"$out/args.tmp\" \"$out/args\"\n");
  QFile::setPermissions(d + "/recorder", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  writeFile(d + "/data/applications/quorrel-recorder.desktop",
            "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + (d + "/recorder").toUtf8() +
                " %f\nMimeType=application/x-quorrel-test;\n");
  writeFile(d + "/config/mimeapps.list",
            "[Default Applications]\napplication/x-quorrel-test=quorrel-recorder.desktop\n");
}

QByteArray waitForRecord() {
  QFile args(desktop->path() + "/args");
  for (int i = 0; i < 200 && !args.exists(); ++i) QTest::qWait(50);
  if (!args.open(QIODevice::ReadOnly)) return {};
  return args.readAll();
}
}  // namespace

class ResultOpenerTest : public QObject {
  Q_OBJECT
  std::unique_ptr<RecordingDialogs> dialogs_;

  // Searches the tree for the text and double-clicks the first result.
  void openFirstResult(SearchWindow& w, const TempTree& t, const QString& text) {
    w.txtname->setText(text);
    w.cboLoc->setEditText(QString::fromStdString(t.root()));
    QTest::mouseClick(w.cmdfind, Qt::LeftButton);
    QVERIFY(w.results().size() > 0);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.lv->doItemsLayout();
    w.lv->selectionModel()->select(w.lv->model()->index(0, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QRect row = w.lv->visualRect(w.lv->model()->index(0, 0));
    // As the window system sends it: a click, then the double-click.
    QTest::mouseClick(w.lv->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(w.lv->viewport(), Qt::LeftButton, {}, row.center());
  }

private Q_SLOTS:
  void initTestCase() { registerTypes(); }
  void init() {
    MYVARS::resetState();
    MYVARS::setCommandLine({});
    dialogs_ = std::make_unique<RecordingDialogs>();
    QFile::remove(desktop->path() + "/args");
  }
  void cleanup() { dialogs_.reset(); }

  void launchesTheDefaultApplicationWithTheExactPath_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("option-like") << QByteArray("-rf.qrltest");
    QTest::newRow("shell text") << QByteArray("; ls.qrltest");
    QTest::newRow("field code") << QByteArray("%u.qrltest");
    QTest::newRow("newline") << QByteArray("a\nb.qrltest");
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9.qrltest");
  }
  void launchesTheDefaultApplicationWithTheExactPath() {
    QFETCH(QByteArray, name);
    TempTree t;
    t.folder("with space");
    t.file("with space/" + name.toStdString(), "data");
    frmall w;
    w.show();
    openFirstResult(w, t, "qrltest");
    const QByteArray recorded = waitForRecord();
    QCOMPARE(recorded, QByteArray::fromStdString(t.path("with space/" + name.toStdString())) + '\0');
    QFile cwd(desktop->path() + "/cwd");
    QVERIFY(cwd.open(QIODevice::ReadOnly));
    QCOMPARE(cwd.readAll().trimmed(), QByteArray::fromStdString(t.path("with space")));
    QCOMPARE(dialogs_->busyCaptions(), (QStringList{"Processing...", "Openning Application..."}));
    QCOMPARE(dialogs_->busies[1].ticks, 2);
    QVERIFY(dialogs_->messages.empty());
  }

  void typeWithoutApplicationIsReported() {
    TempTree t;
    t.file("lonely.qrlorphan", "data");
    frmall w;
    w.show();
    openFirstResult(w, t, "lonely");
    QCOMPARE(dialogs_->busyCaptions(), (QStringList{"Processing...", "Openning Application...", "Failed.."}));
    QCOMPARE(dialogs_->messages.size(), std::size_t(1));
    QCOMPARE(dialogs_->messages[0].text, QString("No associated program/application found to open this file."));
    QCOMPARE(dialogs_->messages[0].title, QString("Error"));
    QCOMPARE(dialogs_->messages[0].icon, QMessageBox::Critical);
  }

  void containingTextWindowReportsWithoutTheFailedDisplay() {
    TempTree t;
    t.file("lonely.qrlorphan", "data");
    FRMFILECONTXT w;
    w.show();
    w.findChild<QLineEdit*>("txtcont")->setText("dat");
    openFirstResult(w, t, "lonely");
    QCOMPARE(dialogs_->busyCaptions(), (QStringList{"Processing...", "Openning Application..."}));
    QCOMPARE(dialogs_->messages.size(), std::size_t(1));
    QCOMPARE(dialogs_->messages[0].text, QString("No associated program/application found to open this file."));
  }

  void deletedFileFailsQuietly() {
    TempTree t;
    t.file("gone.qrltest", "data");
    frmall w;
    w.show();
    dialogs_->duringBusy = [&](const QString& caption) {
      if (caption == "Openning Application...") t.remove("gone.qrltest");
    };
    openFirstResult(w, t, "gone");
    QCOMPARE(dialogs_->busyCaptions(), (QStringList{"Processing...", "Openning Application..."}));
    QVERIFY(dialogs_->messages.empty());
    QVERIFY(!QFile::exists(desktop->path() + "/args"));
  }

  void doubleClickBelowTheRowsOpensTheSelectedResult() {
    TempTree t;
    t.file("picked.qrltest", "data");
    frmall w;
    w.show();
    w.txtname->setText("picked");
    w.cboLoc->setEditText(QString::fromStdString(t.root()));
    QTest::mouseClick(w.cmdfind, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.lv->selectRow(0);
    const QPoint empty(10, w.lv->viewport()->height() - 5);
    QVERIFY(!w.lv->indexAt(empty).isValid());
    QTest::mouseDClick(w.lv->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(waitForRecord(), QByteArray::fromStdString(t.path("picked.qrltest")) + '\0');
    QCOMPARE(dialogs_->busyCaptions(), (QStringList{"Processing...", "Openning Application..."}));
  }

  void nothingWithoutAResultOrASelection() {
    TempTree t;
    t.file("one.qrltest");
    frmall w;
    w.show();
    w.lv_DblClick();  // empty list
    w.txtname->setText("one");
    w.cboLoc->setEditText(QString::fromStdString(t.root()));
    QTest::mouseClick(w.cmdfind, Qt::LeftButton);
    QCOMPARE(w.results().size(), std::size_t(1));
    w.lv->selectionModel()->clearSelection();
    w.lv_DblClick();
    QCOMPARE(dialogs_->busyCaptions(), QStringList{"Processing..."});
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
