// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TransparencyQuestion.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "shell/WrapRadio.h"
#include "ui/Context.h"
#include "ui/FontFamilies.h"
#include "ui/Layout.h"
#include "ui/Settings.h"
#include "ui/Twips.h"
#include "ui/WindowPalette.h"

TransparencyQuestion::TransparencyQuestion(Context& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), context_(context) {
  setObjectName("frmask");
  // At every load, whatever was decided before.
  context_.makeTransparentOnFirstShow(this, Context::Transparent::Always);
  setWindowTitle(tr("Transperancy"));
  setModal(true);
  setFixedSize(Twips::toPixels(6585), Twips::toPixels(2715));
  setFont(FontFamilies::font("Arial", 12, true));
  WindowPalette::apply(this);

  using namespace Layout;
  using W = TransparencyQuestion;
  // The two long options break onto two lines in the window's width.
  const Font option{"Arial", 10, true};
  // clang-format off
  build(this, {
    // The band above the buttons, with the question in it, moves the window.
    {make<QWidget>,     "titleStrip",  {},       {0, 0, 6585, 600},       into<&W::titleStrip_>},
    {make<QLabel>,      "Label1",      tr("Would you like to have the windows transparent?"),
                                                 {240, 180, 6105, 360},   into<&W::question>},
    {make<QPushButton>, "cmdYes",      tr("&Yes"), {1560, 660, 1575, 435}, into<&W::yesButton>},
    {make<QPushButton>, "cmdno",       tr("&No"),  {3450, 660, 1575, 435}, into<&W::noButton>},
    {make<WrapRadio>,   "optdontaskY", tr("&Don't Ask Me Again, Set Transperancy as Default"),
                                                 {240, 1290, 6105, 540},  into<&W::dontAskYes>, option},
    {make<WrapRadio>,   "optdontaskN", tr("D&ont Ask Me Again, Don't set transperancy as Default"),
                                                 {240, 1950, 6105, 540},  into<&W::dontAskNo>, option},
  });
  // clang-format on
  titleStrip_->installEventFilter(this);
  question->installEventFilter(this);

  connect(yesButton, &QPushButton::clicked, this, &TransparencyQuestion::yesPressed);
  connect(noButton, &QPushButton::clicked, this, &TransparencyQuestion::noPressed);
  connect(dontAskYes, &QRadioButton::toggled, this, [this](bool on) {
    if (on) dontAskYesChosen();
  });
  connect(dontAskNo, &QRadioButton::toggled, this, [this](bool on) {
    if (on) dontAskNoChosen();
  });
  setTabOrder(yesButton, noButton);
  setTabOrder(noButton, dontAskYes);
  setTabOrder(dontAskYes, dontAskNo);
}

// Only the window's own controls answer it; Escape does not.
void TransparencyQuestion::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TransparencyQuestion::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == titleStrip_ || watched == question) && titleDrag_.handle(event)) return true;
  return QDialog::eventFilter(watched, event);
}

void TransparencyQuestion::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(QPen(QColor(60, 90, 140), 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool TransparencyQuestion::warningAccepted() {
  return context_.message(QMessageBox::Warning, tr("Quorrel 2.0"), tr(kWarning), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void TransparencyQuestion::yesPressed() {
  context_.state().wantTransparency = warningAccepted();
  accept();
}

void TransparencyQuestion::noPressed() {
  context_.state().wantTransparency = false;
  accept();
}

void TransparencyQuestion::dontAskYesChosen() {
  if (warningAccepted()) {
    Settings::wantTransparency.write(context_, Answer::Yes);
    Settings::askTransparency.write(context_, Answer::No);
    context_.state().wantTransparency = true;
    accept();
  } else {
    Settings::askTransparency.write(context_, Answer::No);  // the window stays: Yes or No still decides this run
  }
}

void TransparencyQuestion::dontAskNoChosen() {
  Settings::wantTransparency.write(context_, Answer::No);
  Settings::askTransparency.write(context_, Answer::No);
  context_.state().wantTransparency = false;
  accept();
}
