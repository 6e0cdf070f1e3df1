// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a whole: the transparency decision and its question, the
// launcher, the command-line window, the splash, and ending at once.
#include <QHeaderView>
#include <QRadioButton>
#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/UnreadableLog.h"
#include "platform/core/Translations.h"
#include "shell/AboutWindow.h"
#include "shell/EntryBar.h"
#include "shell/LauncherWindow.h"
#include "shell/SplashWindow.h"
#include "shell/StartInFolderWindow.h"
#include "shell/StartSequence.h"
#include "shell/TransparencyQuestion.h"
#include "support/PseudoTranslator.h"
#include "support/WindowRig.h"
#include "ui/BusyWindow.h"
#include "windows/AllFilesWindow.h"
#include "windows/ContainingTextWindow.h"
#include "windows/DateSearchWindow.h"
#include "windows/MultimediaWindow.h"
#include "windows/OfficeWindow.h"
#include "windows/UnreadableWindow.h"

namespace {
using Kind = SearchWindows::Kind;
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

double contrast(QColor a, QColor b) {  // as WCAG defines it
  auto l = [](QColor c) {
    auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05; };
  return std::max(l(a), l(b)) / std::min(l(a), l(b));
}

// Puts text in a label (not a picture), a button or a field; gives back what it held.
std::optional<QString> swapText(QWidget* w, const QString& text) {
  std::optional<QString> held;
  if (auto* l = qobject_cast<QLabel*>(w); l && l->pixmap().isNull()) held = l->text(), l->setText(text);
  else if (auto* b = qobject_cast<QAbstractButton*>(w)) held = b->text(), b->setText(text);
  else if (auto* e = qobject_cast<QLineEdit*>(w)) held = e->text(), e->setText(text);
  return held;
}
}  // namespace

class StartupTest : public QObject {
  Q_OBJECT
  std::unique_ptr<WindowRig> rig_;

  // Each of the program's windows, by name, shown.
  std::unique_ptr<QWidget> open(const QString& window) {
    Context& c = rig_->context();
    auto search = [&c](SearchWindowDescription (*kind)()) { return [&c, kind] { return new SearchWindow(c, kind()); }; };
    const std::map<QString, std::function<QWidget*()>> make{{"launcher", [&] { return new LauncherWindow(c, rig_->windows); }},
        {"splash", [&] { return new SplashWindow(c, rig_->windows, 100000); }}, {"about", [] { return new AboutWindow; }},
        {"question", [&] { return new TransparencyQuestion(c); }}, {"busy", [&] { return new BusyWindow(c, 30000); }},
        {"select", [&] { return new StartInFolderWindow(c, rig_->windows); }}, {"all", search(AllFilesWindow::description)},
        {"text", search(ContainingTextWindow::description)}, {"media", search(MultimediaWindow::description)},
        {"office", search(OfficeWindow::description)}, {"date", search(DateSearchWindow::description)},
        {"unreadable", [] { return new UnreadableWindow(UnreadableLog(), nullptr); }}};
    std::unique_ptr<QWidget> w(make.at(window)());
    w->show();
    return w;
  }

private Q_SLOTS:
  void init() { rig_ = std::make_unique<WindowRig>(); }

  // What the stored "Ask" and "Want" ("": absent) make of the next start; each answer
  // to the question ("": not asked), given while its load shows "Transforming..." and
  // closing it at once; the performance warning answered both ways.
  void transparency_data() {
    QTest::addColumn<QString>("ask");
    QTest::addColumn<QString>("want");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("warning");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<bool>("translated");  // answered in another language: the same settings
    const int yes = QMessageBox::Yes, no = QMessageBox::No;
    QTest::newRow("N, want Y") << "N" << "Y" << "" << yes << "clear Ask=N Want=Y warnings=0" << false;
    QTest::newRow("N, want other") << "N" << "yes" << "" << yes << "opaque Ask=N Want=yes warnings=0" << false;
    QTest::newRow("any other ask, even y") << "y" << "Y" << "" << yes << "opaque Ask=y Want=Y warnings=0" << false;
    QTest::newRow("first start: No") << "" << "old" << "cmdno" << yes << "opaque Ask= Want=old warnings=0" << false;
    QTest::newRow("ask Y: Yes, yes") << "Y" << "old" << "cmdYes" << yes << "clear Ask=Y Want=old warnings=1" << false;
    QTest::newRow("Yes, warning no") << "" << "old" << "cmdYes" << no << "opaque Ask= Want=old warnings=1" << false;
    QTest::newRow("don't ask: Y") << "" << "old" << "optdontaskY" << yes << "clear Ask=N Want=Y warnings=1" << false;
    QTest::newRow("don't ask: Y, no") << "" << "old" << "optdontaskY" << no << "open, opaque Ask=N Want=old warnings=1" << false;
    QTest::newRow("don't ask: Y, translated") << "" << "old" << "optdontaskY" << yes << "clear Ask=N Want=Y warnings=1" << true;
    QTest::newRow("don't ask: N") << "" << "old" << "optdontaskN" << yes << "opaque Ask=N Want=N warnings=0" << false;
  }
  void transparency() {
    QFETCH(QString, ask);
    QFETCH(QString, want);
    QFETCH(QString, answer);
    QFETCH(int, warning);
    QFETCH(QString, outcome);
    QFETCH(bool, translated);
    PseudoTranslator pseudo;
    if (translated) QCoreApplication::installTranslator(&pseudo);
    if (!ask.isEmpty()) rig_->settings.save("quorrel", "Trans", "Ask", ask);
    rig_->settings.save("quorrel", "Trans", "Want", want);
    rig_->dialogs.answer = QMessageBox::StandardButton(warning);
    QString now;
    rig_->dialogs.duringBusy = [&](const QString&) {  // the question's load: transparent every time
      auto* question = qobject_cast<TransparencyQuestion*>(QApplication::activeModalWidget());
      question->findChild<QAbstractButton*>(answer)->click();
      QTest::keyClick(question, Qt::Key_Escape);  // never a way out
      now = question->isVisible() ? "open" : "closed";
      question->done(0);
    };
    StartSequence::decideTransparency(rig_->context());
    QCOMPARE(QString("%1%2 Ask=%3 Want=%4 warnings=%5")
                 .arg(now == "open" ? "open, " : "", rig_->context().state().wantTransparency ? "clear" : "opaque",
                      rig_->settings.get("quorrel", "Trans", "Ask", ""),
                      rig_->settings.get("quorrel", "Trans", "Want", ""))
                 .arg(rig_->dialogs.messages.size()),
             outcome);
    QCOMPARE(now.isEmpty(), answer.isEmpty());
  }

  // A double-click, Enter or Space chooses the first two options of "Select Action" (Enter never presses Cancel),
  // a click the others; it closes first, the launcher stays beneath.
  void whatEachChoiceOpens_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("how");  // a click, a double-click or a key on it; no control: after Alt+S
    QTest::addColumn<int>("opens");    // -1: none
    QTest::newRow("All Files") << "cmdall" << "click" << int(SearchWindows::AllFiles);
    QTest::newRow("Containing Text") << "cmdconttext" << "click" << int(SearchWindows::ContainingText);
    QTest::newRow("Multimedia") << "cmdmedia" << "click" << int(SearchWindows::Multimedia);
    QTest::newRow("Office") << "cmdoffice" << "click" << int(SearchWindows::Office);
    QTest::newRow("By Date") << "cmddate" << "click" << int(SearchWindows::ByDate);
    QTest::newRow("all files, clicked") << "optall" << "click" << -1;
    QTest::newRow("all files, double-clicked") << "optall" << "double-click" << int(SearchWindows::AllFiles);
    QTest::newRow("containing text, Space") << "optcontext" << "Space" << int(SearchWindows::ContainingText);
    QTest::newRow("Alt+S, Enter") << "" << "Enter" << int(SearchWindows::AllFiles);
    QTest::newRow("multimedia, clicked") << "optconts" << "click" << int(SearchWindows::Multimedia);
    QTest::newRow("office, clicked") << "optoffice" << "click" << int(SearchWindows::Office);
    QTest::newRow("date, clicked") << "optdate" << "click" << -1;
    QTest::newRow("date, Enter") << "optdate" << "Enter" << int(SearchWindows::ByDate);
  }
  void whatEachChoiceOpens() {
    QFETCH(QString, control);
    QFETCH(QString, how);
    QFETCH(int, opens);
    LauncherWindow launcher(rig_->context(), rig_->windows);
    StartInFolderWindow select(rig_->context(), rig_->windows);
    const bool fromLauncher = control.startsWith("cmd");
    QDialog& window = fromLauncher ? static_cast<QDialog&>(launcher) : select;
    bool shownMeanwhile = false;
    rig_->windows.whileOpen = [&](Kind) { shownMeanwhile = window.isVisible(); };
    rig_->dialogs.duringBusy = [](const QString& shown) { if (shown == "Cancelling..") ::_exit(1); };  // Cancel: the end
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* target = window.findChild<QWidget*>(control);
    if (how.contains("click")) QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, 8));
    if (how == "double-click") QTest::mouseDClick(target, Qt::LeftButton, {}, QPoint(8, 8));
    if (control.isEmpty()) QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);  // focuses the first option
    if (!how.contains("click")) QTest::keyClick(target ? target : QApplication::focusWidget(), how == "Space" ? Qt::Key_Space : Qt::Key_Return);
    QCOMPARE(rig_->windows.opened, opens < 0 ? std::vector<Kind>{} : std::vector<Kind>{Kind(opens)});
    QCOMPARE(shownMeanwhile, fromLauncher && opens >= 0);
    QCOMPARE(window.isVisible(), fromLauncher || opens < 0);
    QVERIFY(rig_->dialogs.messages.empty());
  }

  // The launcher's box shows and writes the stored "Ask". Its exit entry, its X
  // and Cancel of "Select Action" end at once with status 0, keeping what was
  // written; from the press on the launcher takes no input while it shrinks away.
  void exitEndsAtOnce() {
    for (const char* way : {"cmdexit", "lblc", "cmdcls"}) {
      QVERIFY(!LauncherWindow(rig_->context(), rig_->windows).askBox->isChecked());
      const int status = exitStatusOf([&] {
        LauncherWindow launcher(rig_->context(), rig_->windows);
        StartInFolderWindow select(rig_->context(), rig_->windows);
        launcher.show();
        select.show();
        launcher.askBox->click();  // writes "Ask" = "Y" just before
        QWidget* target = launcher.findChild<QWidget*>(way);
        bool delivered = false;  // the launcher's busy display before is one the input started
        QTimer::singleShot(0, &launcher, [&] {  // inside the shrink's first event round
          QTest::keyClick(launcher.containingTextEntry->label, Qt::Key_Space);
          for (LabelButton* b : {launcher.allFilesEntry->label, launcher.closeX}) QTest::mouseClick(b, Qt::LeftButton);
          delivered = true;
        });
        rig_->dialogs.duringBusy = [&](const QString& caption) {
          if (target && !(delivered && rig_->windows.opened.empty() && caption == "Exiting...")) ::_exit(1);
        };
        QTest::mouseClick(target ? target : select.findChild<QWidget*>(way), Qt::LeftButton);
      });
      QCOMPARE(status, 0);
      QVERIFY(LauncherWindow(rig_->context(), rig_->windows).askBox->isChecked());
      QCOMPARE(rig_->settings.get("quorrel", "Trans", "Ask", "") + rig_->settings.get("x", "y", "loc", "(none)"),
               QString("Y(none)"));
      rig_->settings.save("quorrel", "Trans", "Ask", "N");
    }
  }

  // The splash: six ticks, or the first tick after a click; not for a click
  // on the note. Then the launcher or, with a command line, "Select Action".
  // Where the program is, it writes at once.
  void splash_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QByteArray>("commandLine");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("opened");
    QTest::newRow("no click, no command line") << "" << QByteArray("   ") << 6 << "FRM";
    QTest::newRow("click on the title") << "Label1" << QByteArray() << 1 << "FRM";
    QTest::newRow("click on the note") << "Label8" << QByteArray() << 6 << "FRM";
    QTest::newRow("a folder on the command line") << "" << QByteArray("/srv/x") << 6 << "frmselact";
  }
  void splash() {
    QFETCH(QString, clicked);
    QFETCH(QByteArray, commandLine);
    QFETCH(int, ticks);
    QFETCH(QString, opened);
    rig_->settings.save("quorrel", "Trans", "Ask", "N");
    rig_->restart(commandLine.toStdString());
    SplashWindow splash(rig_->context(), rig_->windows, 20);
    QCOMPARE(rig_->settings.get("QRL10", "INSTPATH", "VALUE", ""), QCoreApplication::applicationFilePath());
    splash.show();
    if (!clicked.isEmpty()) QTest::mouseClick(splash.findChild<QWidget*>(clicked), Qt::LeftButton, {}, QPoint(5, 5));
    QString shown;
    int ticksSeen = 0;
    connect(&splash.startTimer, &QTimer::timeout, [&] { ++ticksSeen; });
    QTimer probe;  // the opened window runs its own loop
    connect(&probe, &QTimer::timeout, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) shown = modal->objectName(), modal->close();
    });
    probe.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 3000);
    QCOMPARE(shown, opened);
    QCOMPARE(ticksSeen, ticks);
    QVERIFY(!splash.isVisible());
    QTRY_VERIFY(splash.height() > 0);
  }

  // Under a dark desktop palette every label, button and field of every window stands out from what is behind it
  // by 4.5:1 at least: the window drawn with a sample text and without it, compared pixel by pixel.
  void readableUnderDarkTheme_data() {
    QTest::addColumn<QString>("window");
    for (const char* name : {"splash", "launcher", "question", "select", "about", "busy", "all", "text", "media", "office"})
      QTest::newRow(name) << name;
  }
  void readableUnderDarkTheme() {
    QFETCH(QString, window);
    const auto restore = qScopeGuard([desktop = QApplication::palette()] { QApplication::setPalette(desktop); });
    QApplication::setPalette(QPalette(QColor(49, 54, 59)));  // Breeze Dark's window: white text on dark grey
    const std::unique_ptr<QWidget> w = open(window);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    if (auto* splash = qobject_cast<SplashWindow*>(w.get())) QTRY_VERIFY(splash->rect().contains(splash->noteLabel->geometry()));
    QStringList checked, poor;
    for (QWidget* part : w->findChildren<QWidget*>()) {
      const std::optional<QString> held = swapText(part, "Sample 123");
      if (!held || !part->isVisible()) continue;
      const QImage with = w->grab().toImage();
      swapText(part, "");
      const QImage without = w->grab().toImage();
      swapText(part, *held);
      double best = 0;
      const QRect area = QRect(part->mapTo(w.get(), QPoint()), part->size()) & with.rect();
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
          best = std::max(best, contrast(with.pixelColor(x, y), without.pixelColor(x, y)));
      (best < 4.5 ? poor : checked) << QString("%1 (%2): %3:1").arg(part->objectName(), *held).arg(best, 0, 'f', 2);
    }
    QVERIFY(!checked.isEmpty());
    QCOMPARE(poor.join("; "), QString());
  }

  // Under the pseudo-translation every text a window shows is marked, none escaped translation: captions, list
  // items, headers, titles, menus, names for screen readers, and the messages and busy captions of a first press.
  // Under German every caption fits its control: its text in the control's font against its rectangle.
  void translated_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("german");
    for (const char* name : {"splash", "launcher", "question", "select", "about", "busy", "all", "text", "media",
                             "office", "date", "unreadable"})
      for (bool german : {false, true}) QTest::newRow(qPrintable(QString(name) + (german ? ", German" : ""))) << name << german;
  }
  void translated() {
    QFETCH(QString, window);
    QFETCH(bool, german);
    PseudoTranslator pseudo;
    QTranslator de;
    QVERIFY(de.load(QLocale(QLocale::German), "quorrel", "_", Translations::folder()));
    if (german && de.isEmpty()) QSKIP("translations/quorrel_de.ts has no finished German text yet");
    QCoreApplication::installTranslator(german ? &de : static_cast<QTranslator*>(&pseudo));  // until they end
    const std::unique_ptr<QWidget> w = open(window);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QStringList texts{w->windowTitle()}, cut;
    for (QWidget* part : w->findChildren<QWidget*>()) {
      texts << part->accessibleName();
      for (QAction* action : part->actions()) texts << action->text();
      auto* label = qobject_cast<QLabel*>(part);
      auto* button = qobject_cast<QAbstractButton*>(part);
      const QString text = label ? label->text() : button ? button->text() : QString();
      texts << text;
      if (auto* box = qobject_cast<QComboBox*>(part); box && !box->isEditable())
        for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
      if (auto* header = qobject_cast<QHeaderView*>(part); header && header->orientation() == Qt::Horizontal)
        for (int i = 0; i < header->count(); ++i) texts << header->model()->headerData(i, Qt::Horizontal).toString();
      if (text.isEmpty() || !part->isVisible()) continue;
      // A caption that wraps needs its lines' height; one that does not, its width (a box's or a button's with
      // its mark and margins).
      const QRect room = part->contentsRect();
      const bool wraps = label ? label->wordWrap() : part->hasHeightForWidth();
      QSize need = label || qobject_cast<LabelButton*>(part) ? part->fontMetrics().size(Qt::TextShowMnemonic, text)
                                                             : part->sizeHint();
      if (wraps && label) need = part->fontMetrics().boundingRect(room, Qt::TextWordWrap | Qt::TextShowMnemonic, text).size();
      else if (wraps) need = {room.width(), part->heightForWidth(room.width())};
      if (need.width() > room.width() || (wraps && need.height() > room.height()))
        cut << QString("%1 \"%2\" needs %3x%4 in %5x%6").arg(part->objectName(), text).arg(need.width()).arg(need.height())
                   .arg(room.width()).arg(room.height());
    }
    if (german) {
      QCOMPARE(cut.join("; "), QString());
      return;
    }
    for (const char* name : {"cmdfind", "cmdYes", "cmdall"})  // a message or a busy caption each
      if (auto* button = w->findChild<QAbstractButton*>(name)) button->click();
    texts << rig_->dialogs.messages << rig_->dialogs.busyCaptions();
    texts.removeAll(QString());
    QCOMPARE(texts.filter(QRegularExpression(R"(^(?!\[~[\s\S]*~\]$))")).join("; "), QString());
  }

  // Shown twice, a window turns semi-transparent once: the question always, the others where wanted.
  void transparentOnFirstShow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("wanted");
    for (const char* name : {"launcher", "select", "all", "question"})
      for (bool wanted : {false, true}) QTest::newRow(qPrintable(QString(name) + (wanted ? ", wanted" : ""))) << name << wanted;
  }
  void transparentOnFirstShow() {
    QFETCH(QString, window);
    QFETCH(bool, wanted);
    rig_->context().state().wantTransparency = wanted;
    const std::unique_ptr<QWidget> w = open(window);
    for (int shown = 0; shown < 2; ++shown) {
      w->show();
      QTest::qWait(20);
      w->hide();
    }
    const bool clear = wanted || window == "question";
    QCOMPARE(w->windowOpacity() < 1, clear);
    QCOMPARE(rig_->dialogs.busyCaptions(), clear ? QStringList{"Transforming..."} : QStringList());
  }

  // A drag on a borderless window's title strip moves it; here the platform
  // cannot move windows itself, so the window follows the pointer.
  void titleStripMovesWindow_data() {
    QTest::addColumn<bool>("launcher");
    QTest::addColumn<QString>("grip");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("launcher's heading") << true << "Label2" << QPoint(40, 30);
    QTest::newRow("launcher's caption, below the strip") << true << "Label1" << QPoint();
    QTest::newRow("question's text") << false << "Label1" << QPoint(40, 30);
  }
  void titleStripMovesWindow() {
    QFETCH(bool, launcher);
    QFETCH(QString, grip);
    QFETCH(QPoint, moved);
    std::unique_ptr<QWidget> window;
    if (launcher) window = std::make_unique<LauncherWindow>(rig_->context(), rig_->windows);
    else window = std::make_unique<TransparencyQuestion>(rig_->context());
    window->show();
    auto* strip = window->findChild<QWidget*>(grip);
    const QPoint from = window->pos();
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseMove(strip, QPoint(50, 35));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(50, 35));
    QCOMPARE(window->pos() - from, moved);
  }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
