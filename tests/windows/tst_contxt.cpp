// The containing-text window driven headless: its own checks and messages,
// a search by content, and its looks.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "platform/core/IniSettingsStore.h"
#include "shell/MYVARS.h"
#include "support/WindowRig.h"
#include "support/TempTree.h"
#include "windows/ButtonFace.h"
#include "windows/FRMFILECONTXT.h"
#include "shell/LabelButton.h"

namespace {
QLineEdit* contains(SearchWindow& w) { return w.findChild<QLineEdit*>("txtcont"); }
}  // namespace

class ContxtTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;

  std::unique_ptr<FRMFILECONTXT> open() {
    auto w = std::make_unique<FRMFILECONTXT>();
    w->show();
    return w;
  }
  void press(SearchWindow& w, const QString& name, const QString& text, const std::string& location) {
    w.txtname->setText(name);
    contains(w)->setText(text);
    w.cboLoc->setEditText(QString::fromStdString(location));
    QTest::mouseClick(w.cmdfind, Qt::LeftButton);
  }

private Q_SLOTS:
  void init() { rig_ = std::make_unique<WindowRig>(); }
  void cleanup() { rig_.reset(); }

  void openingShowsTextOneAndItsCaptions() {
    {
      auto w = open();
      QCOMPARE(w->windowTitle(), QString("File With Containing Text"));
      QCOMPARE(w->Label5->text(), QString("Files With Containing Text"));
      QCOMPARE(w->cmdcanc->text(), QString("&Close"));
      QCOMPARE(w->closeLabel->objectName(), QString("lblc"));
      QCOMPARE(contains(*w)->text(), QString("Text1"));
      QVERIFY(!w->tmrp.isActive());  // no watchdog
      contains(*w)->setText("kept?");
      QTest::keyClick(contains(*w), Qt::Key_Escape);
      QVERIFY(!w->isVisible());
    }
    QCOMPARE(open()->findChild<QLineEdit*>("txtcont")->text(), QString("Text1"));
  }

  void checksInTheirOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("message");
    QTest::newRow("both short: the name only") << " ab " << "xy" << "/" << "Entered characters must be at least 3 in length.";
    QTest::newRow("text short") << "abc" << " xy " << "/" << "Containing Text must be at least 3 in length.";
    QTest::newRow("empty location") << "abc" << "xyz" << "" << " path was not found.";
    QTest::newRow("missing location") << "abc" << "xyz" << "/no/such" << "/no/such path was not found.";
  }
  void checksInTheirOrder() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, location);
    QFETCH(QString, message);
    auto w = open();
    w->cboLoc->setFocus();
    press(*w, name, text, location.toStdString());
    QCOMPARE(rig_->dialogs.messages.size(), std::size_t(1));
    QCOMPARE(rig_->dialogs.messages[0].text, message);
    QCOMPARE(rig_->dialogs.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(rig_->dialogs.messages[0].title, QString(message.endsWith("found.") ? "Error" : "Quorrel 2.0"));
    QVERIFY(rig_->dialogs.busies.empty());
  }

  void findsByContentAndGoesBackToIdle() {
    TempTree t;
    t.folder("sub");
    t.file("sub/notes.txt", "the ABC text");
    t.file("sub/other.txt", "nothing");
    t.file("abc.dat", "no");  // the name does not pass
    auto w = open();
    w->txtname->setText(".txt");
    w->cboLoc->setEditText(QString::fromStdString(t.root()));
    contains(*w)->setText("abc");
    QTest::keyClick(contains(*w), Qt::Key_Return);  // Enter in the new field presses Find
    QCOMPARE(w->results().size(), std::size_t(1));
    QCOMPARE(w->results().name(0), std::string_view("notes.txt"));
    QCOMPARE(w->cmdfind->text(), QString("&Find Now!"));
    QCOMPARE(rig_->dialogs.busyCaptions(), QStringList{"Processing..."});
    QCOMPARE(w->lblfound->text(), QString("1 File(s) Found!"));
  }

  void looks() {
    auto w = open();
    QTest::mouseMove(w->closeLabel);
    QCOMPARE(w->closeLabel->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QTest::mouseMove(w.get(), QPoint(20, w->height() - 10));
    QCOMPARE(w->closeLabel->palette().color(QPalette::WindowText), QColor(Qt::black));
    for (QWidget* target : {static_cast<QWidget*>(w->cmdfind), static_cast<QWidget*>(w->pict)}) {
      QTest::mousePress(target, Qt::LeftButton, {}, QPoint(2, 2));
      QVERIFY(w->pict->isBordered() && !w->pict->isShowingPressed());  // a border, never the pressed face
      QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(2, 2));
      QVERIFY(!w->pict->isBordered());
    }
  }
};

QTEST_MAIN(ContxtTest)
#include "tst_contxt.moc"
