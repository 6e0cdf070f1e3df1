// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/LauncherWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>

#include "shell/AboutWindow.h"
#include "shell/EntryBar.h"
#include "shell/InputShield.h"
#include "shell/ShellArt.h"
#include "ui/Context.h"
#include "ui/FontFamilies.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Settings.h"
#include "ui/Twips.h"
#include "ui/WidgetColours.h"
#include "ui/WindowPalette.h"

namespace {
// An entry bar, numbered in the order the bars are made; its caption is its
// part, and takes the row's font.
QWidget* entryBar(const Layout::Control& row, QWidget* parent) {
  const auto number = parent->findChildren<EntryBar*>(Qt::FindDirectChildrenOnly).size();
  auto* bar = new EntryBar(int(number), row.caption, row.font.points, parent);
  bar->label->setObjectName(row.part);
  return bar;
}
}  // namespace

// The program's main window, not a dialog: a task bar entry of its own, with no
// transient parent that would hide it from window lists.
LauncherWindow::LauncherWindow(Context& context, SearchWindows& windows, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), windows_(windows) {
  setObjectName("FRM");
  context_.makeTransparentOnFirstShow(this);
  setWindowTitle(tr("Quorrel"));
  setModal(true);
  setFixedSize(Twips::toPixels(6765), Twips::toPixels(8535));
  setFont(FontFamilies::font("Tahoma", 11.25, true));
  setMouseTracking(true);
  WindowPalette::apply(this);
  using namespace Layout;
  using W = LauncherWindow;
  const Font title{"Tahoma", 14.25, true};
  const Font entry{"Arial", 12, true};
  const int stripHeight = Twips::fromPixels(ShellArt::kLauncherStripHeight);
  // clang-format off
  build(this, {
    {make<QLabel>,      nullptr,      {},                {0, 0, 6765, 8535},         into<&W::background_>},
    // Over the painted strip, beneath the heading and the "X": what moves the window.
    {make<QWidget>,     "titleStrip", {},                {0, 0, 6765, stripHeight},  into<&W::titleStrip_>},
    {make<QLabel>,      "Label2",     tr("QUORREL 2.0"), {120, 60, 3600, 390},       into<&W::heading>, title},
    {make<LabelButton>, "lblc",       tr("X"),           {6765 - 480, 30, 390, 420}, into<&W::closeX>, title},
    {make<QLabel>,      "Label1",     tr("Select the search type you wish to perform:"),
                                                         {240, 660, 6285, 420},      into<&W::prompt>},
    {entryBar, "pictall",    tr("All Files"),
                             {840, 1200, 5055, 615}, into<&W::allFilesEntry>,       entry, nullptr, "cmdall"},
    {entryBar, "pictconx",   tr("Files With Containing Text"),
                             {840, 2160, 5055, 615}, into<&W::containingTextEntry>, entry, nullptr, "cmdconttext"},
    {entryBar, "pictmedia",  tr("Multimedia Search"),
                             {840, 3120, 5055, 615}, into<&W::multimediaEntry>,     entry, nullptr, "cmdmedia"},
    {entryBar, "pictoffice", tr("Office Documents"),
                             {840, 4080, 5055, 615}, into<&W::officeEntry>,         entry, nullptr, "cmdoffice"},
    {entryBar, "pictdate",   tr("Date Created, Modified, Accessed"),
                             {840, 5040, 5055, 615}, into<&W::datesEntry>,          entry, nullptr, "cmddate"},
    {entryBar, "pictabout",  tr("About Quorrel"),
                             {840, 6000, 5055, 615}, into<&W::aboutEntry>, {"Arial", 15.75, true}, nullptr, "cmdabout"},
    {entryBar, "pictexit",   tr("Exit"),
                             {840, 6960, 5055, 615}, into<&W::exitEntry>,           entry, nullptr, "cmdexit"},
    {make<QCheckBox>, "chkask", tr("&Ask Me For Transperncy At Each Start Up"),
                             {840, 7800, 5055, 390}, into<&W::askBox>},
  });
  // clang-format on

  background_->setAttribute(Qt::WA_TransparentForMouseEvents);
  titleStrip_->installEventFilter(this);
  WidgetColours::setText(heading, Qt::white);
  heading->installEventFilter(this);
  closeX->setAccessibleName(tr("Exit"));
  closeX->setMouseTracking(true);
  closeX->installEventFilter(this);
  WidgetColours::setText(closeX, Qt::black);
  WidgetColours::setText(prompt, QColor(0, 0, 255));
  bars_ = {allFilesEntry, containingTextEntry, multimediaEntry, officeEntry, datesEntry, aboutEntry, exitEntry};
  for (EntryBar* bar : bars_) {
    bar->installEventFilter(this);
    bar->label->installEventFilter(this);
    WidgetColours::setText(bar->label, Qt::black);
  }
  askBox->setStyleSheet("QCheckBox { background: rgb(0, 128, 0); color: rgb(255, 255, 0); padding-left: 4px; }");

  connect(allFilesEntry->label, &LabelButton::clicked, this, &LauncherWindow::allFilesPressed);
  connect(containingTextEntry->label, &LabelButton::clicked, this, &LauncherWindow::containingTextPressed);
  connect(multimediaEntry->label, &LabelButton::clicked, this, &LauncherWindow::multimediaPressed);
  connect(officeEntry->label, &LabelButton::clicked, this, &LauncherWindow::officePressed);
  connect(datesEntry->label, &LabelButton::clicked, this, &LauncherWindow::datesPressed);
  connect(aboutEntry->label, &LabelButton::clicked, this, &LauncherWindow::aboutPressed);
  connect(exitEntry->label, &LabelButton::clicked, this, &LauncherWindow::exitPressed);
  connect(closeX, &LabelButton::clicked, this, &LauncherWindow::exitPressed);

  // The stored answer: "Y" checks the box (which writes "Y" back), "N"
  // unchecks it, anything else leaves it as it is.
  const Answer ask = Settings::askTransparency.read(context_);
  if (ask == Answer::Yes) askBox->setChecked(true);
  else if (ask == Answer::No) askBox->setChecked(false);
  connect(askBox, &QCheckBox::toggled, this, &LauncherWindow::askToggled);
  if (askBox->isChecked()) askToggled();
}

void LauncherWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  background_->setGeometry(rect());
  background_->setPixmap(ShellArt::launcherBackground(size(), devicePixelRatioF()));
  background_->lower();
}

// Leaving the launcher is its exit entry: Escape does not close it.
void LauncherWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void LauncherWindow::mouseMoveEvent(QMouseEvent* event) {
  resetHover();
  QDialog::mouseMoveEvent(event);
}

bool LauncherWindow::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == titleStrip_ || watched == heading) && titleDrag_.handle(event)) return true;
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) hover(watched);
  return QDialog::eventFilter(watched, event);
}

// Each bar and caption has its own effect; nothing is undone until the
// pointer crosses the launcher's background, so two bars may stay lit.
void LauncherWindow::hover(QObject* over) {
  struct Row {
    QObject* target;
    EntryBar* bar;
    bool whiteText;
  };
  const Row rows[] = {
      {allFilesEntry, allFilesEntry, true},
      {allFilesEntry->label, allFilesEntry, true},
      {containingTextEntry, containingTextEntry, false},
      {containingTextEntry->label, containingTextEntry, false},
      {multimediaEntry, multimediaEntry, false},
      {multimediaEntry->label, multimediaEntry, true},
      {officeEntry, officeEntry, true},
      {officeEntry->label, officeEntry, true},
      {datesEntry, datesEntry, true},
      {datesEntry->label, datesEntry, true},
      {aboutEntry->label, aboutEntry, false},
      {exitEntry, exitEntry, true},
  };
  if (over == closeX) {
    WidgetColours::setText(closeX, Qt::white);
    return;
  }
  for (const Row& row : rows) {
    if (row.target != over) continue;
    row.bar->setHighlighted(true);
    if (row.whiteText) WidgetColours::setText(row.bar->label, Qt::white);
  }
}

void LauncherWindow::resetHover() {
  for (EntryBar* bar : bars_) bar->setHighlighted(false);
  for (EntryBar* bar : {multimediaEntry, allFilesEntry, containingTextEntry, officeEntry, datesEntry, exitEntry})
    WidgetColours::setText(bar->label, Qt::black);
  WidgetColours::setText(closeX, Qt::black);
}

void LauncherWindow::allFilesPressed() {
  context_.showBusy(1, tr("Loading..."));
  windows_.open(SearchWindows::AllFiles, this);
}

void LauncherWindow::containingTextPressed() {
  context_.showBusy(1, tr("Loading..."));
  windows_.open(SearchWindows::ContainingText, this);
}

void LauncherWindow::multimediaPressed() {
  context_.showBusy(2, tr("Processing..."));
  context_.showBusy(3, tr("Examining Types..."));
  windows_.open(SearchWindows::Multimedia, this);
}

void LauncherWindow::officePressed() {
  context_.showBusy(2, tr("Openning..."));
  windows_.open(SearchWindows::Office, this);
}

void LauncherWindow::datesPressed() {
  context_.showBusy(4, tr("Loading.."));
  context_.showBusy(6, tr("Validating..."));
  windows_.open(SearchWindows::ByDate, this);
}

void LauncherWindow::aboutPressed() {
  AboutWindow about(this);
  about.exec();
}

// The launcher shrinks away in steps of 350 twips, then the program ends.
// From the press on it takes no input: a click or key let in while it
// shrinks would open a search window or start the exit again.
void LauncherWindow::exitPressed() {
  new InputShield(this);
  for (int h = Twips::fromPixels(height()); h >= 0; h -= 350) {
    if (Twips::fromPixels(height()) < 700) hide();
    QApplication::processEvents();
    setFixedHeight(Twips::toPixels(h));
    QApplication::processEvents();
  }
  context_.showBusy(3, tr("Exiting..."));
  Context::endAtOnce();
}

void LauncherWindow::askToggled() {
  Settings::askTransparency.write(context_, askBox->isChecked() ? Answer::Yes : Answer::No);
}
