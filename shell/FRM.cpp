#include "shell/FRM.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>

#include "shell/EntryBar.h"
#include "shell/FontFamilies.h"
#include "shell/InputShield.h"
#include "shell/LabelButton.h"
#include "shell/MYVARS.h"
#include "shell/ShellArt.h"
#include "shell/TransSettings.h"
#include "shell/Twips.h"
#include "shell/WidgetColours.h"
#include "shell/frmabout.h"

// The program's main window, not a dialog: a task bar entry of its own, with no
// transient parent that would hide it from window lists.
FRM::FRM(SearchWindows& windows, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), windows_(windows) {
  setObjectName("FRM");
  setWindowTitle("Quorrel");
  setModal(true);
  setFixedSize(Twips::toPixels(6765), Twips::toPixels(8535));
  setFont(FontFamilies::font("Tahoma", 11.25, true));
  setMouseTracking(true);
  background_ = new QLabel(this);
  background_->setGeometry(rect());
  background_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Over the painted strip, beneath the heading and the "X": what moves the window.
  titleStrip_ = new QWidget(this);
  titleStrip_->setObjectName("titleStrip");
  titleStrip_->setGeometry(0, 0, width(), ShellArt::kLauncherStripHeight);
  titleStrip_->installEventFilter(this);

  Label2 = new QLabel("QUORREL 2.0", this);
  Label2->setObjectName("Label2");
  Label2->setFont(FontFamilies::font("Tahoma", 14.25, true));
  Label2->setGeometry(Twips::rect(120, 60, 3600, 390));
  WidgetColours::setText(Label2, Qt::white);
  Label2->installEventFilter(this);
  lblc = new LabelButton("X", this);
  lblc->setObjectName("lblc");
  lblc->setAccessibleName("Exit");
  lblc->setFont(FontFamilies::font("Tahoma", 14.25, true));
  lblc->setGeometry(Twips::rect(6765 - 480, 30, 390, 420));
  lblc->setMouseTracking(true);
  lblc->installEventFilter(this);
  WidgetColours::setText(lblc, Qt::black);
  Label1 = new QLabel("Select the search type you wish to perform:", this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(Twips::rect(240, 660, 6285, 420));
  WidgetColours::setText(Label1, QColor(0, 0, 255));

  pictall = addEntry("pictall", "cmdall", "All Files", 1200, 12);
  pictconx = addEntry("pictconx", "cmdconttext", "Files With Containing Text", 2160, 12);
  pictmedia = addEntry("pictmedia", "cmdmedia", "Multimedia Search", 3120, 12);
  pictoffice = addEntry("pictoffice", "cmdoffice", "Office Documents", 4080, 12);
  pictdate = addEntry("pictdate", "cmddate", "Date Created, Modified, Accessed", 5040, 12);
  pictabout = addEntry("pictabout", "cmdabout", "About Quorrel", 6000, 15.75);
  pictexit = addEntry("pictexit", "cmdexit", "Exit", 6960, 12);

  chkask = new QCheckBox("&Ask Me For Transperncy At Each Start Up", this);
  chkask->setObjectName("chkask");
  chkask->setGeometry(Twips::rect(840, 7800, 5055, 390));
  chkask->setStyleSheet("QCheckBox { background: rgb(0, 128, 0); color: rgb(255, 255, 0); padding-left: 4px; }");

  connect(pictall->label, &LabelButton::clicked, this, &FRM::cmdall_Click);
  connect(pictconx->label, &LabelButton::clicked, this, &FRM::cmdconttext_Click);
  connect(pictmedia->label, &LabelButton::clicked, this, &FRM::cmdmedia_Click);
  connect(pictoffice->label, &LabelButton::clicked, this, &FRM::cmdoffice_Click);
  connect(pictdate->label, &LabelButton::clicked, this, &FRM::cmddate_Click);
  connect(pictabout->label, &LabelButton::clicked, this, &FRM::cmdabout_Click);
  connect(pictexit->label, &LabelButton::clicked, this, &FRM::cmdexit_Click);
  connect(lblc, &LabelButton::clicked, this, &FRM::cmdexit_Click);

  // The stored answer: "Y" checks the box (which writes "Y" back), "N"
  // unchecks it, anything else leaves it as it is.
  const QString ask = TransSettings::ask();
  if (ask == "Y") chkask->setChecked(true);
  else if (ask == "N") chkask->setChecked(false);
  connect(chkask, &QCheckBox::toggled, this, &FRM::chkask_Click);
  if (chkask->isChecked()) chkask_Click();
}

EntryBar* FRM::addEntry(const char* barName, const char* labelName, const QString& caption, int top, qreal points) {
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

void FRM::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  background_->setGeometry(rect());
  background_->setPixmap(ShellArt::launcherBackground(size(), devicePixelRatioF()));
  background_->lower();
}

void FRM::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  if (MYVARS::state().WantTrans) MYVARS::MakeTransparentWhenShown(this);
}

// Leaving the launcher is its exit entry: Escape does not close it.
void FRM::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FRM::mouseMoveEvent(QMouseEvent* event) {
  resetHover();
  QDialog::mouseMoveEvent(event);
}

bool FRM::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == titleStrip_ || watched == Label2) && titleDrag_.handle(event)) return true;
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) hover(watched);
  return QDialog::eventFilter(watched, event);
}

// Each bar and caption has its own effect; nothing is undone until the
// pointer crosses the launcher's background, so two bars may stay lit.
void FRM::hover(QObject* over) {
  struct Row {
    QObject* target;
    EntryBar* bar;
    bool whiteText;
  };
  const Row rows[] = {
      {pictall, pictall, true},          {pictall->label, pictall, true},
      {pictconx, pictconx, false},       {pictconx->label, pictconx, false},
      {pictmedia, pictmedia, false},     {pictmedia->label, pictmedia, true},
      {pictoffice, pictoffice, true},    {pictoffice->label, pictoffice, true},
      {pictdate, pictdate, true},        {pictdate->label, pictdate, true},
      {pictabout->label, pictabout, false}, {pictexit, pictexit, true},
  };
  if (over == lblc) {
    WidgetColours::setText(lblc, Qt::white);
    return;
  }
  for (const Row& row : rows) {
    if (row.target != over) continue;
    row.bar->setHighlighted(true);
    if (row.whiteText) WidgetColours::setText(row.bar->label, Qt::white);
  }
}

void FRM::resetHover() {
  for (EntryBar* bar : bars_) bar->setHighlighted(false);
  for (EntryBar* bar : {pictmedia, pictall, pictconx, pictoffice, pictdate, pictexit}) WidgetColours::setText(bar->label, Qt::black);
  WidgetColours::setText(lblc, Qt::black);
}

void FRM::cmdall_Click() {
  MYVARS::ShowBusy(1, "Loading...");
  windows_.open(SearchWindows::AllFiles, this);
}

void FRM::cmdconttext_Click() {
  MYVARS::ShowBusy(1, "Loading...");
  windows_.open(SearchWindows::ContainingText, this);
}

void FRM::cmdmedia_Click() {
  MYVARS::ShowBusy(2, "Processing...");
  MYVARS::ShowBusy(3, "Examining Types...");
  windows_.open(SearchWindows::Multimedia, this);
}

void FRM::cmdoffice_Click() {
  MYVARS::ShowBusy(2, "Openning...");
  windows_.open(SearchWindows::Office, this);
}

void FRM::cmddate_Click() {
  MYVARS::ShowBusy(4, "Loading..");
  MYVARS::ShowBusy(6, "Validating...");
  MYVARS::message(QMessageBox::Critical, "Quorrel 2.0", "This feature is not available in this version.");
}

void FRM::cmdabout_Click() {
  frmabout about(this);
  about.exec();
}

// The launcher shrinks away in steps of 350 twips, then the program ends.
// From the press on it takes no input: a click or key let in while it
// shrinks would open a search window or start the exit again.
void FRM::cmdexit_Click() {
  new InputShield(this);
  for (int h = Twips::fromPixels(height()); h >= 0; h -= 350) {
    if (Twips::fromPixels(height()) < 700) hide();
    QApplication::processEvents();
    setFixedHeight(Twips::toPixels(h));
    QApplication::processEvents();
  }
  MYVARS::ShowBusy(3, "Exiting...");
  MYVARS::EndAtOnce();
}

void FRM::chkask_Click() { TransSettings::setAsk(chkask->isChecked() ? "Y" : "N"); }
