#include "shell/frmselact.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "shell/FontFamilies.h"
#include "shell/MYVARS.h"
#include "shell/Twips.h"
#include "shell/WrapRadio.h"

// A main window of the program, not a dialog: with no transient parent, window
// lists and task bars show it. Its frame stays a dialog's: a title and a close
// button, no minimise or maximise.
frmselact::frmselact(SearchWindows& windows, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      windows_(windows) {
  setObjectName("frmselact");
  setWindowTitle("Select Action");
  setModal(true);
  setFixedSize(Twips::toPixels(6585), Twips::toPixels(4080));
  setFont(FontFamilies::font("Tahoma", 11.25, true));

  Label1 = new QLabel(
      "You have chosen to open this software with a command. Now you have to select what type of search operation "
      "you wish to perform:",
      this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  Label1->setGeometry(Twips::rect(180, 120, 6225, 960));
  optall = addOption("optall", "&Search All Types Of File", 1140);
  optcontext = addOption("optcontext", "S&earch With Containing Text", 1560);
  optconts = addOption("optconts", "Sea&rch Contents i.e., photos, videos, music files etc.", 1980);
  cmdcls = new QPushButton("C&ancel", this);
  cmdcls->setObjectName("cmdcls");
  cmdcls->setGeometry(Twips::rect(2505, 3420, 1575, 480));
  optoffice = addOption("optoffice", "Search &Office Documents", 2880);
  // The multimedia caption is the longest: room for it to break onto two lines.
  optconts->setGeometry(Twips::rect(360, 1980, 5865, 840));

  // A double-click chooses the first two; merely selecting chooses the others.
  optall->installEventFilter(this);
  optcontext->installEventFilter(this);
  connect(optconts, &QRadioButton::toggled, this, [this](bool on) { if (on) choose(SearchWindows::Multimedia); });
  connect(optoffice, &QRadioButton::toggled, this, [this](bool on) { if (on) choose(SearchWindows::Office); });
  connect(cmdcls, &QPushButton::clicked, this, &frmselact::cmdcls_Click);
  setTabOrder(optall, optcontext);
  setTabOrder(optcontext, optconts);
  setTabOrder(optconts, cmdcls);
  setTabOrder(cmdcls, optoffice);
}

WrapRadio* frmselact::addOption(const char* name, const QString& caption, int top) {
  auto* option = new WrapRadio(caption, this);
  option->setObjectName(name);
  option->setGeometry(Twips::rect(360, top, 5865, 420));
  return option;
}

void frmselact::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  if (MYVARS::state().WantTrans) MYVARS::MakeTransparentWhenShown(this);
}

bool frmselact::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == optall) choose(SearchWindows::AllFiles);
    if (watched == optcontext) choose(SearchWindows::ContainingText);
  }
  return QDialog::eventFilter(watched, event);
}

// This window closes first; the search window then runs inside this handler,
// a main window itself as nothing else is open.
void frmselact::choose(SearchWindows::Kind kind) {
  if (chosen_) return;
  chosen_ = true;
  accept();
  windows_.open(kind, nullptr);
}

void frmselact::cmdcls_Click() {
  MYVARS::ShowBusy(2, "Cancelling..");
  MYVARS::EndAtOnce();
}
