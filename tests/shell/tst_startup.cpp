// The program as a whole: the transparency decision and its question, the
// launcher, the command-line window, the splash, and ending at once.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/EntryBar.h"
#include "shell/FRM.h"
#include "shell/LabelButton.h"
#include "shell/MYVARS.h"
#include "shell/StartSequence.h"
#include "shell/TransSettings.h"
#include "shell/WrapRadio.h"
#include "shell/frmask.h"
#include "shell/frmselact.h"
#include "shell/frmspl.h"
#include "support/RecordingWindows.h"
#include "support/TempTree.h"
#include "support/WindowRig.h"
#include "windows/LocationBox.h"
#include "windows/frmall.h"

namespace {
using Kind = SearchWindows::Kind;
constexpr const char* kAbsent = "(absent)";

void store(const char* key, const QString& value) {
  if (value == kAbsent) return;
  if (QString(key) == "Ask") TransSettings::setAsk(value);
  else TransSettings::setWant(value);
}

// Answers the question window, once it is up, with one of its controls; not
// after the scope has gone.
void answerQuestionWith(const QObject* scope, const char* control) {
  QTimer::singleShot(0, scope, [control] {
    auto* question = qobject_cast<frmask*>(QApplication::activeModalWidget());
    if (!question) return;
    if (auto* button = question->findChild<QAbstractButton*>(control)) button->click();
  });
}

// Runs action in a child process and returns its exit status (-1: killed).
int exitStatusOf(const std::function<void()>& action) {
  const pid_t child = ::fork();
  if (child == 0) {
    action();
    ::_exit(99);  // it was to end the program itself
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QColor textColour(QWidget* w) { return w->palette().color(QPalette::WindowText); }
}  // namespace

class StartupTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;

private Q_SLOTS:
  void init() {
    rig_ = std::make_unique<WindowRig>();
    MYVARS::setExecutableName("quorrel-test");
  }
  void cleanup() { rig_.reset(); }

  // What the stored "Ask" and "Want" make of the next start.
  void decisionTable_data() {
    QTest::addColumn<QString>("ask");
    QTest::addColumn<QString>("want");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("first start") << kAbsent << kAbsent << true << false;
    QTest::newRow("ask Y") << "Y" << "Y" << true << false;
    QTest::newRow("N, want Y") << "N" << "Y" << false << true;
    QTest::newRow("N, want N") << "N" << "N" << false << false;
    QTest::newRow("N, want absent") << "N" << kAbsent << false << false;
    QTest::newRow("N, want other") << "N" << "yes" << false << false;
    QTest::newRow("lower-case y") << "y" << "Y" << false << false;
    QTest::newRow("other ask") << "maybe" << "Y" << false << false;
  }
  void decisionTable() {
    QFETCH(QString, ask);
    QFETCH(QString, want);
    QFETCH(bool, asked);
    QFETCH(bool, transparent);
    store("Ask", ask);
    store("Want", want);
    bool questionShown = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] { questionShown = qobject_cast<frmask*>(QApplication::activeModalWidget()); });
    answerQuestionWith(&scope, "cmdno");
    StartSequence::DecideTransparency();
    QCOMPARE(questionShown, asked);
    QCOMPARE(MYVARS::state().WantTrans, transparent);
    QCOMPARE(TransSettings::ask(), ask == kAbsent ? QString() : ask);  // deciding writes nothing
  }

  // The question's four answers, with the performance warning answered both ways.
  void questionAnswers_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("warning");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QString>("ask");
    QTest::addColumn<QString>("want");
    QTest::addColumn<int>("warnings");
    const int yes = QMessageBox::Yes, no = QMessageBox::No;
    QTest::newRow("Yes, warning yes") << "cmdYes" << yes << true << true << "" << "old" << 1;
    QTest::newRow("Yes, warning no") << "cmdYes" << no << true << false << "" << "old" << 1;
    QTest::newRow("No") << "cmdno" << yes << true << false << "" << "old" << 0;
    QTest::newRow("don't ask, transparent: yes") << "optdontaskY" << yes << true << true << "N" << "Y" << 1;
    QTest::newRow("don't ask, transparent: no") << "optdontaskY" << no << false << false << "N" << "old" << 1;
    QTest::newRow("don't ask, opaque") << "optdontaskN" << yes << true << false << "N" << "N" << 0;
  }
  void questionAnswers() {
    QFETCH(QString, control);
    QFETCH(int, warning);
    QFETCH(bool, closes);
    QFETCH(bool, transparent);
    QFETCH(QString, ask);
    QFETCH(QString, want);
    QFETCH(int, warnings);
    TransSettings::setWant("old");
    rig_->dialogs.answer = QMessageBox::StandardButton(warning);
    frmask question;
    question.show();
    QTRY_COMPARE(rig_->dialogs.busyCaptions(), QStringList{"Transforming..."});  // transparent at every load
    QVERIFY(!question.optdontaskY->isChecked() && !question.optdontaskN->isChecked());
    question.findChild<QAbstractButton*>(control)->click();
    QCOMPARE(question.isVisible(), !closes);
    QCOMPARE(MYVARS::state().WantTrans, transparent);
    QCOMPARE(TransSettings::ask(), ask);
    QCOMPARE(TransSettings::want(), want);
    QCOMPARE(int(rig_->dialogs.messages.size()), warnings);
    if (warnings) {
      QCOMPARE(rig_->dialogs.messages[0].text, frmask::kWarning);
      QCOMPARE(rig_->dialogs.messages[0].icon, QMessageBox::Warning);
    }
    QTest::keyClick(&question, Qt::Key_Escape);  // never a way out
    QCOMPARE(question.isVisible(), !closes);
  }

  // An answer given while "Transforming..." shows still closes the question.
  void answeredDuringItsTransparencyDisplay() {
    frmask question;
    rig_->dialogs.duringBusy = [&](const QString& caption) {
      if (caption == "Transforming...") question.cmdno->click();
    };
    bool stuck = false;
    QTimer::singleShot(3000, &question, [&] {
      stuck = question.isVisible() || !question.isHidden();
      question.done(0);
    });
    QElapsedTimer clock;
    clock.start();
    question.exec();
    QVERIFY(!stuck);
    QVERIFY(clock.elapsed() < 2000);
  }

  void launcherEntries_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("busy");
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<int>("opens");  // -1: none
    QTest::newRow("All Files") << "cmdall" << QStringList{"Loading..."} << QList<int>{1} << int(SearchWindows::AllFiles);
    QTest::newRow("Containing Text") << "cmdconttext" << QStringList{"Loading..."} << QList<int>{1}
                                     << int(SearchWindows::ContainingText);
    QTest::newRow("Multimedia") << "cmdmedia" << QStringList{"Processing...", "Examining Types..."}
                                << QList<int>{2, 3} << int(SearchWindows::Multimedia);
    QTest::newRow("Office") << "cmdoffice" << QStringList{"Openning..."} << QList<int>{2} << int(SearchWindows::Office);
    QTest::newRow("Date") << "cmddate" << QStringList{"Loading..", "Validating..."} << QList<int>{4, 6} << -1;
  }
  void launcherEntries() {
    QFETCH(QString, label);
    QFETCH(QStringList, busy);
    QFETCH(QList<int>, ticks);
    QFETCH(int, opens);
    RecordingWindows windows;
    FRM launcher(windows);
    launcher.show();
    QTest::mouseClick(launcher.findChild<LabelButton*>(label), Qt::LeftButton);
    QCOMPARE(rig_->dialogs.busyCaptions(), busy);
    for (qsizetype i = 0; i < ticks.size(); ++i) QCOMPARE(rig_->dialogs.busies[std::size_t(i)].ticks, ticks[i]);
    if (opens < 0) {
      QVERIFY(windows.opened.empty());
      QCOMPARE(rig_->dialogs.messages.size(), std::size_t(1));
      QCOMPARE(rig_->dialogs.messages[0].text, QString("This feature is not available in this version."));
      QCOMPARE(rig_->dialogs.messages[0].icon, QMessageBox::Critical);
    } else {
      QCOMPARE(windows.opened, (std::vector<Kind>{Kind(opens)}));
    }
    QVERIFY(launcher.isVisible());  // still there beneath, unchanged
  }

  // The pointer's effects: each row's own, and all undone only over the background.
  void launcherHover() {
    RecordingWindows windows;
    FRM launcher(windows);
    launcher.show();
    const auto label = [&](EntryBar* bar) { return bar->label; };
    QTest::mouseMove(label(launcher.pictall));
    QVERIFY(launcher.pictall->isHighlighted());
    QCOMPARE(textColour(label(launcher.pictall)), QColor(Qt::white));
    QTest::mouseMove(label(launcher.pictconx));  // straight to the next bar: both stay lit
    QVERIFY(launcher.pictall->isHighlighted() && launcher.pictconx->isHighlighted());
    QCOMPARE(textColour(label(launcher.pictconx)), QColor(Qt::black));
    QTest::mouseMove(launcher.pictmedia, QPoint(4, 2));  // the bar, not its caption: border only
    QVERIFY(launcher.pictmedia->isHighlighted());
    QCOMPARE(textColour(label(launcher.pictmedia)), QColor(Qt::black));
    QTest::mouseMove(launcher.pictabout, QPoint(4, 2));  // the about bar has no effect of its own
    QVERIFY(!launcher.pictabout->isHighlighted());
    QTest::mouseMove(launcher.pictexit, QPoint(4, 2));
    QCOMPARE(textColour(label(launcher.pictexit)), QColor(Qt::white));
    QTest::mouseMove(launcher.lblc);
    QCOMPARE(textColour(launcher.lblc), QColor(Qt::white));
    QTest::mouseMove(&launcher, QPoint(5, launcher.height() / 2));
    for (EntryBar* bar : {launcher.pictall, launcher.pictconx, launcher.pictmedia, launcher.pictexit})
      QVERIFY(!bar->isHighlighted());
    QCOMPARE(textColour(label(launcher.pictall)), QColor(Qt::black));
    QCOMPARE(textColour(launcher.lblc), QColor(Qt::black));
  }

  void launcherAskBox() {
    RecordingWindows windows;
    {
      FRM launcher(windows);  // "Ask" absent: unchecked, nothing written
      QVERIFY(!launcher.chkask->isChecked());
      QCOMPARE(TransSettings::ask(), QString());
    }
    TransSettings::setAsk("Y");
    FRM launcher(windows);
    QVERIFY(launcher.chkask->isChecked());
    launcher.chkask->click();
    QCOMPARE(TransSettings::ask(), QString("N"));
    launcher.chkask->click();
    QCOMPARE(TransSettings::ask(), QString("Y"));
  }

  // The exit ends the program at once with status 0: the launcher shrinks
  // away, "Exiting..." shows, and what was written before stays written.
  void exitEndsAtOnce() {
    for (const char* way : {"cmdexit", "lblc"}) {
      const int status = exitStatusOf([&] {
        RecordingWindows windows;
        FRM launcher(windows);
        launcher.show();
        launcher.chkask->click();  // writes "Ask" = "Y" just before
        QTest::mouseClick(launcher.findChild<LabelButton*>(way), Qt::LeftButton);
      });
      QCOMPARE(status, 0);
      QCOMPARE(TransSettings::ask(), QString("Y"));
      QCOMPARE(rig_->settings.get("x", "y", "loc", "(none)"), QString("(none)"));
      TransSettings::setAsk("N");
    }
  }

  void commandLineChoices_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("opens");
    QTest::newRow("all files, clicked") << "optall" << false << -1;
    QTest::newRow("all files, double-clicked") << "optall" << true << int(SearchWindows::AllFiles);
    QTest::newRow("containing text, clicked") << "optcontext" << false << -1;
    QTest::newRow("containing text, double-clicked") << "optcontext" << true << int(SearchWindows::ContainingText);
    QTest::newRow("multimedia, clicked") << "optconts" << false << int(SearchWindows::Multimedia);
    QTest::newRow("office, clicked") << "optoffice" << false << int(SearchWindows::Office);
  }
  void commandLineChoices() {
    QFETCH(QString, option);
    QFETCH(bool, doubleClick);
    QFETCH(int, opens);
    RecordingWindows windows;
    bool closedFirst = false;
    frmselact select(windows);
    windows.whileOpen = [&](Kind) { closedFirst = !select.isVisible(); };
    select.show();
    auto* button = select.findChild<WrapRadio*>(option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, 8));
    if (doubleClick) QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(8, 8));
    if (opens < 0) {
      QVERIFY(windows.opened.empty());
      QVERIFY(select.isVisible());
    } else {
      QCOMPARE(windows.opened, (std::vector<Kind>{Kind(opens)}));
      QVERIFY(closedFirst);
    }
  }

  void arrowKeyOntoMultimediaOpensIt() {
    RecordingWindows windows;
    frmselact select(windows);
    select.show();
    select.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&select));
    select.optcontext->setFocus();
    select.optcontext->setChecked(true);
    QTest::keyClick(select.optcontext, Qt::Key_Down);
    QCOMPARE(windows.opened, (std::vector<Kind>{SearchWindows::Multimedia}));
  }

  void cancelEndsAtOnce() {
    const int status = exitStatusOf([&] {
      RecordingWindows windows;
      frmselact select(windows);
      select.show();
      select.cmdcls->click();
    });
    QCOMPARE(status, 0);
  }

  // The splash: six ticks, or the first tick after a click; not for a click
  // on the note. Then the launcher or, with a command line, "Select Action".
  void splash_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QByteArray>("commandLine");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("opened");
    QTest::newRow("no click, no command line") << "" << QByteArray("   ") << 6 << "FRM";
    QTest::newRow("click on the title") << "Label1" << QByteArray() << 1 << "FRM";
    QTest::newRow("click on the window") << "frmspl" << QByteArray() << 1 << "FRM";
    QTest::newRow("click on the note") << "Label8" << QByteArray() << 6 << "FRM";
    QTest::newRow("a folder on the command line") << "" << QByteArray("/srv/x") << 6 << "frmselact";
  }
  void splash() {
    QFETCH(QString, clicked);
    QFETCH(QByteArray, commandLine);
    QFETCH(int, ticks);
    QFETCH(QString, opened);
    TransSettings::setAsk("N");
    MYVARS::setCommandLine(commandLine.toStdString());
    RecordingWindows windows;
    frmspl splash(windows, 20);
    splash.show();
    if (!clicked.isEmpty()) {
      QWidget* target = clicked == "frmspl" ? &splash : splash.findChild<QWidget*>(clicked);
      QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    }
    QString shown;
    int ticksSeen = 0;
    connect(&splash.tmr, &QTimer::timeout, [&] { ++ticksSeen; });
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        shown = modal->objectName();
        modal->close();
      }
    });
    probe.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 3000);
    QCOMPARE(shown, opened);
    QCOMPARE(ticksSeen, ticks);
    QVERIFY(!splash.isVisible());
    QCOMPARE(MYVARS::settings().get("QRL10", "INSTPATH", "VALUE", ""),
             QCoreApplication::applicationDirPath() + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QTRY_VERIFY(splash.height() > 0);
  }

  // From the press on Exit the launcher takes no input while it shrinks away.
  void exitIgnoresInputWhileShrinking() {
    const int status = exitStatusOf([&] {
      RecordingWindows windows;
      FRM launcher(windows);
      launcher.show();
      bool delivered = false;  // a busy display before is one the input started
      rig_->dialogs.duringBusy = [&](const QString& caption) {
        ::_exit(delivered && windows.opened.empty() && caption == "Exiting..." ? 0 : 1);
      };
      QTimer::singleShot(0, &launcher, [&] {  // inside the shrink's first event round
        QTest::keyClick(launcher.pictconx->label, Qt::Key_Space);
        for (LabelButton* b : {launcher.pictall->label, launcher.lblc}) QTest::mouseClick(b, Qt::LeftButton);
        delivered = true;
      });
      QTest::mouseClick(launcher.pictexit->label, Qt::LeftButton);
    });
    QCOMPARE(status, 0);
  }

  // A relative folder argument ends absolute, against the starting folder as the shell names it.
  void relativeFolderArgument() {
    TempTree t;
    t.folder("caf\xe9/x");
    t.file("caf\xe9/x/inside.txt");
    t.link("here", t.path("caf\xe9"));
    const std::string start = t.path("here"), pwd = qgetenv("PWD").toStdString();
    QVERIFY(::chdir(start.c_str()) == 0 && ::setenv("PWD", start.c_str(), 1) == 0);
    MYVARS::setArguments(2, std::array<const char*, 2>{"quorrel", "./x/../x"}.data());
    QVERIFY(::chdir("/") == 0 && ::setenv("PWD", pwd.c_str(), 1) == 0);  // later, elsewhere
    rig_->settings.save("x", "y", "named", "inside");
    frmall w;
    w.cmdfind_Click();
    QCOMPARE(w.results().size(), std::size_t(1));
    QCOMPARE(w.results().folder(0), start + "/./x/../x");
    w.close();
    QCOMPARE(LocationBox::fromSetting(rig_->settings.get("x", "y", "loc", "?")), start + "/./x/../x");
  }

  // A drag on a borderless window's title strip moves it; here the platform
  // cannot move windows itself, so the window follows the pointer.
  void titleStripMovesWindow_data() {
    QTest::addColumn<bool>("launcher");
    QTest::addColumn<QString>("grip");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("launcher's strip") << true << "titleStrip" << QPoint(40, 30);
    QTest::newRow("launcher's heading") << true << "Label2" << QPoint(40, 30);
    QTest::newRow("launcher's caption, below the strip") << true << "Label1" << QPoint();
    QTest::newRow("question's strip") << false << "titleStrip" << QPoint(40, 30);
    QTest::newRow("question's text") << false << "Label1" << QPoint(40, 30);
  }
  void titleStripMovesWindow() {
    QFETCH(bool, launcher);
    QFETCH(QString, grip);
    QFETCH(QPoint, moved);
    RecordingWindows windows;
    std::unique_ptr<QWidget> window;
    if (launcher) window = std::make_unique<FRM>(windows);
    else window = std::make_unique<frmask>();
    window->show();
    auto* strip = window->findChild<QWidget*>(grip);
    QVERIFY(strip);
    const QPoint from = window->pos();
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseMove(strip, QPoint(50, 35));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(50, 35));
    QCOMPARE(window->pos() - from, moved);
  }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
