// The containing-text window driven headless: its checks and their messages
// (no "Please specify the location." here), and a search by content.
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "ui/LabelButton.h"
#include "support/TempTree.h"
#include "support/WindowRig.h"
#include "windows/ContainingTextWindow.h"
#include "windows/SearchWindow.h"

namespace {
QLineEdit* contains(SearchWindow& w) { return w.findChild<QLineEdit*>("txtcont"); }
}  // namespace

class ContainingTextTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;

private Q_SLOTS:
  void init() { rig_ = std::make_unique<WindowRig>(); }
  void cleanup() { rig_.reset(); }

  void checksInTheirOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("message");
    QTest::newRow("both short: the name only") << " ab " << "xy" << "/"
                                               << "Entered characters must be at least 3 in length.";
    QTest::newRow("text short") << "abc" << " xy " << "/" << "Containing Text must be at least 3 in length.";
    QTest::newRow("empty location") << "abc" << "xyz" << "" << " path was not found.";
  }
  void checksInTheirOrder() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, location);
    QFETCH(QString, message);
    SearchWindow w(rig_->context(), ContainingTextWindow::description());
    w.show();
    w.nameField->setText(name);
    contains(w)->setText(text);
    w.locationBox->setEditText(location);
    QTest::mouseClick(w.findButton, Qt::LeftButton);
    QCOMPARE(rig_->dialogs.messages.size(), std::size_t(1));
    QCOMPARE(rig_->dialogs.messages[0].text, message);
  }

  // The text field starts as "Text1" at every opening; no watchdog may end a long read.
  void findsByContent() {
    TempTree t;
    t.folder("sub");
    t.file("sub/notes.txt", "the ABC text");
    t.file("sub/other.txt", "nothing");
    t.file("abc.dat", "no");
    for (int opening = 0; opening < 2; ++opening) {
      SearchWindow w(rig_->context(), ContainingTextWindow::description());
      w.show();
      QCOMPARE(contains(w)->text(), QString("Text1"));
      QVERIFY(!w.watchdogTimer.isActive());
      w.nameField->setText(".txt");
      w.locationBox->setEditText(QString::fromStdString(t.root()));
      contains(w)->setText("abc");
      QTest::keyClick(contains(w), Qt::Key_Return);
      QCOMPARE(w.results().size(), std::size_t(1));
      QCOMPARE(w.results().name(0), std::string_view("notes.txt"));
        QTest::keyClick(contains(w), Qt::Key_Escape);  // closes, and saves what is kept
      QVERIFY(!w.isVisible());
    }
  }
};

QTEST_MAIN(ContainingTextTest)
#include "tst_containingtext.moc"
