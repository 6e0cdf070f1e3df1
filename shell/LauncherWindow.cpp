// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/LauncherWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>

#include "shell/AboutWindow.h"
#include "shell/InputShield.h"
#include "ui/Art.h"
#include "ui/Context.h"
#include "ui/FontFamilies.h"
#include "ui/LabelButton.h"
#include "ui/PictureLabels.h"
#include "ui/Settings.h"
#include "ui/Twips.h"
#include "ui/WidgetColours.h"
#include "ui/WindowPalette.h"

// The program's main window, not a dialog: a task bar entry of its own, with no
// transient parent that would hide it from window lists.
LauncherWindow::LauncherWindow(Context& context, SearchWindows& windows, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), windows_(windows) {
  setObjectName("FRM");
  context_.makeTransparentOnFirstShow(this);
  setWindowTitle("Quorrel");
  setModal(true);
  setFixedSize(Twips::toPixels(6765), Twips::toPixels(8535));
  setFont(FontFamilies::font("Tahoma", 11.25, true));
  setMouseTracking(true);
  WindowPalette::apply(this);
  background_ = new QLabel(this);
  background_->setGeometry(rect());
  background_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Over the painted strip, beneath the heading and the "X": what moves the window.
  titleStrip_ = new QWidget(this);
  titleStrip_->setObjectName("titleStrip");
  titleStrip_->setGeometry(0, 0, width(), ShellArt::kLauncherStripHeight);
  titleStrip_->installEventFilter(this);

  heading = new QLabel("QUORREL 2.0", this);
  heading->setObjectName("Label2");
  heading->setFont(FontFamilies::font("Tahoma", 14.25, true));
  heading->setGeometry(Twips::rect(120, 60, 3600, 390));
  WidgetColours::setText(heading, Qt::white);
  heading->installEventFilter(this);
  closeX = new LabelButton("X", this);
  closeX->setObjectName("lblc");
  closeX->setAccessibleName("Exit");
  closeX->setFont(FontFamilies::font("Tahoma", 14.25, true));
  closeX->setGeometry(Twips::rect(6765 - 480, 30, 390, 420));
  closeX->setMouseTracking(true);
  closeX->installEventFilter(this);
  WidgetColours::setText(closeX, Qt::black);
  prompt = new QLabel("Select the search type you wish to perform:", this);
  prompt->setObjectName("Label1");
  prompt->setGeometry(Twips::rect(240, 660, 6285, 420));
  WidgetColours::setText(prompt, QColor(0, 0, 255));

  allFilesEntry = addEntry("pictall", "cmdall", "All Files", 1200, 12);
  containingTextEntry = addEntry("pictconx", "cmdconttext", "Files With Containing Text", 2160, 12);
  multimediaEntry = addEntry("pictmedia", "cmdmedia", "Multimedia Search", 3120, 12);
  officeEntry = addEntry("pictoffice", "cmdoffice", "Office Documents", 4080, 12);
  datesEntry = addEntry("pictdate", "cmddate", "Date Created, Modified, Accessed", 5040, 12);
  aboutEntry = addEntry("pictabout", "cmdabout", "About Quorrel", 6000, 15.75);
  exitEntry = addEntry("pictexit", "cmdexit", "Exit", 6960, 12);

  askBox = new QCheckBox("&Ask Me For Transperncy At Each Start Up", this);
  askBox->setObjectName("chkask");
  askBox->setGeometry(Twips::rect(840, 7800, 5055, 390));
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

EntryBar* LauncherWindow::addEntry(const char* barName, const char* labelName, const QString& caption, int top,
                                   qreal points) {
  auto* bar = new EntryBar(int(bars_.size()), caption, points, this);
  bar->setObjectName(barName);
  bar->label->setObjectName(labelName);
  bar->setGeometry(Twips::rect(840, top, 5055, 615));
  bar->installEventFilter(this);
  bar->label->installEventFilter(this);
  WidgetColours::setText(bar->label, Qt::black);
  bars_.push_back(bar);
  return bar;
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
  context_.showBusy(1, "Loading...");
  windows_.open(SearchWindows::AllFiles, this);
}

void LauncherWindow::containingTextPressed() {
  context_.showBusy(1, "Loading...");
  windows_.open(SearchWindows::ContainingText, this);
}

void LauncherWindow::multimediaPressed() {
  context_.showBusy(2, "Processing...");
  context_.showBusy(3, "Examining Types...");
  windows_.open(SearchWindows::Multimedia, this);
}

void LauncherWindow::officePressed() {
  context_.showBusy(2, "Openning...");
  windows_.open(SearchWindows::Office, this);
}

void LauncherWindow::datesPressed() {
  context_.showBusy(4, "Loading..");
  context_.showBusy(6, "Validating...");
  context_.message(QMessageBox::Critical, "Quorrel 2.0", "This feature is not available in this version.");
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
  context_.showBusy(3, "Exiting...");
  Context::endAtOnce();
}

void LauncherWindow::askToggled() {
  Settings::askTransparency.write(context_, askBox->isChecked() ? Answer::Yes : Answer::No);
}
