// The containing-text window: a search by content. Its checks are in tst_allfiles.
#include <QtTest>

#include "support/TempTree.h"
#include "support/WindowRig.h"
#include "windows/ContainingTextWindow.h"

class ContainingTextTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  // No watchdog may end a long read.
  void findsByContent() {
    WindowRig rig;
    TempTree t;
    t.folder("sub");
    t.file("sub/notes.txt", "the ABC text");
    t.file("sub/other.txt", "nothing");
    t.file("abc.dat", "no");
    auto w = rig.open(ContainingTextWindow::description());
    QVERIFY(!w->watchdogTimer.isActive());
    auto* contains = w->findChild<QLineEdit*>("txtcont");
    contains->setText("abc");
    w->nameField->setText(".txt");
    w->locationBox->setEditText(QString::fromStdString(t.root()));
    QTest::keyClick(contains, Qt::Key_Return);
    QCOMPARE(w->results().size(), std::size_t(1));
    QCOMPARE(w->results().name(0), std::string_view("notes.txt"));
  }
};

QTEST_MAIN(ContainingTextTest)
#include "tst_containingtext.moc"
