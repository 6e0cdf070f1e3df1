#include "shell/frmask.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "shell/FontFamilies.h"
#include "shell/MYVARS.h"
#include "shell/TransSettings.h"
#include "shell/Twips.h"
#include "shell/WrapRadio.h"

frmask::frmask(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("frmask");
  setWindowTitle("Transperancy");
  setModal(true);
  setFixedSize(Twips::toPixels(6585), Twips::toPixels(2715));
  setFont(FontFamilies::font("Arial", 12, true));

  // The band above the buttons, with the question in it, moves the window.
  titleStrip_ = new QWidget(this);
  titleStrip_->setObjectName("titleStrip");
  titleStrip_->setGeometry(Twips::rect(0, 0, 6585, 600));
  titleStrip_->installEventFilter(this);
  Label1 = new QLabel("Would you like to have the windows transparent?", this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(Twips::rect(240, 180, 6105, 360));
  Label1->installEventFilter(this);
  cmdYes = new QPushButton("&Yes", this);
  cmdYes->setObjectName("cmdYes");
  cmdYes->setGeometry(Twips::rect(1560, 660, 1575, 435));
  cmdno = new QPushButton("&No", this);
  cmdno->setObjectName("cmdno");
  cmdno->setGeometry(Twips::rect(3450, 660, 1575, 435));
  // The two long options break onto two lines in the window's width.
  QFont options = FontFamilies::font("Arial", 10, true);
  optdontaskY = new WrapRadio("&Don't Ask Me Again, Set Transperancy as Default", this);
  optdontaskY->setObjectName("optdontaskY");
  optdontaskY->setFont(options);
  optdontaskY->setGeometry(Twips::rect(240, 1290, 6105, 540));
  optdontaskN = new WrapRadio("D&ont Ask Me Again, Don't set transperancy as Default", this);
  optdontaskN->setObjectName("optdontaskN");
  optdontaskN->setFont(options);
  optdontaskN->setGeometry(Twips::rect(240, 1950, 6105, 540));

  connect(cmdYes, &QPushButton::clicked, this, &frmask::cmdYes_Click);
  connect(cmdno, &QPushButton::clicked, this, &frmask::cmdno_Click);
  connect(optdontaskY, &QRadioButton::toggled, this, [this](bool on) { if (on) optdontaskY_Click(); });
  connect(optdontaskN, &QRadioButton::toggled, this, [this](bool on) { if (on) optdontaskN_Click(); });
  setTabOrder(cmdYes, cmdno);
  setTabOrder(cmdno, optdontaskY);
  setTabOrder(optdontaskY, optdontaskN);
}

void frmask::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  MYVARS::MakeTransparentWhenShown(this);  // at every load, whatever was decided before
}

// Only the window's own controls answer it; Escape does not.
void frmask::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool frmask::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == titleStrip_ || watched == Label1) && titleDrag_.handle(event)) return true;
  return QDialog::eventFilter(watched, event);
}

void frmask::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(QPen(QColor(60, 90, 140), 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool frmask::warningAccepted() {
  return MYVARS::message(QMessageBox::Warning, "Quorrel 2.0", kWarning, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void frmask::cmdYes_Click() {
  MYVARS::state().WantTrans = warningAccepted();
  accept();
}

void frmask::cmdno_Click() {
  MYVARS::state().WantTrans = false;
  accept();
}

void frmask::optdontaskY_Click() {
  if (warningAccepted()) {
    TransSettings::setWant("Y");
    TransSettings::setAsk("N");
    MYVARS::state().WantTrans = true;
    accept();
  } else {
    TransSettings::setAsk("N");  // the window stays: Yes or No still decides this run
  }
}

void frmask::optdontaskN_Click() {
  TransSettings::setWant("N");
  TransSettings::setAsk("N");
  MYVARS::state().WantTrans = false;
  accept();
}
