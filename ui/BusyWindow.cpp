// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BusyWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

#include "ui/Context.h"
#include "ui/Layout.h"
#include "ui/Twips.h"
#include "ui/WindowPalette.h"

BusyWindow::BusyWindow(Context& context, std::int16_t ticks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ticks_(ticks) {
  setObjectName("frmpgr");
  setWindowTitle(tr("Process"));
  setModal(true);
  setFixedSize(Twips::toPixels(6510), Twips::toPixels(3015));
  WindowPalette::apply(this, Qt::white);  // a palette, not a style sheet: its caption takes the palette too

  using namespace Layout;
  using W = BusyWindow;
  // clang-format off
  build(this, {
    {make<QLabel>,  "Label1", tr("Openning...."), {120, 300, 6270, 1800},              into<&W::captionLabel>,
                                                                                       {"Tahoma", 27.75, true}},
    {make<QWidget>, "pict",   {},                 {kMarkerDesignLeft, 2280, 3135, 495}, into<&W::marker>},
  });
  // clang-format on
  captionLabel->setAlignment(Qt::AlignCenter);
  captionLabel->setWordWrap(true);  // a caption wider than the window breaks, never clips
  captionLabel->setAttribute(Qt::WA_TranslucentBackground);
  marker->setAutoFillBackground(true);
  QPalette blue = marker->palette();
  blue.setColor(QPalette::Window, QColor(0, 0, 255));
  marker->setPalette(blue);

  rightTimer.setInterval(40);
  leftTimer.setInterval(40);
  closeTimer.setInterval(context.busyTickMs());
  connect(&rightTimer, &QTimer::timeout, this, &BusyWindow::moveRight);
  connect(&leftTimer, &QTimer::timeout, this, &BusyWindow::moveLeft);
  connect(&closeTimer, &QTimer::timeout, this, &BusyWindow::closeTick);
  rightTimer.start();
  closeTimer.start();
}

BusyWindow::~BusyWindow() = default;

void BusyWindow::takeOver(const QString& caption, std::int16_t ticks) {
  captionLabel->setText(caption);
  ticks_ = ticks;
  counter_ = 0;
}

void BusyWindow::reject() {
  if (ticksEnded_) QDialog::reject();
}

void BusyWindow::closeEvent(QCloseEvent* event) {
  if (ticksEnded_) QDialog::closeEvent(event);
  else event->ignore();
}

void BusyWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BusyWindow::moveMarker(int deltaTwips) {
  markerLeft_ += deltaTwips;
  marker->move(Twips::toPixels(markerLeft_), marker->y());
}

void BusyWindow::moveRight() {
  if (markerLeft_ > 3150) {
    rightTimer.stop();
    leftTimer.start();
  }
  moveMarker(400);
}

void BusyWindow::moveLeft() {
  if (markerLeft_ < 300) {
    leftTimer.stop();
    rightTimer.start();
  }
  moveMarker(-400);
}

void BusyWindow::closeTick() {
  if (counter_ == ticks_) {
    counter_ = 0;
    closeTimer.stop();
    rightTimer.stop();
    leftTimer.stop();
    ticksEnded_ = true;
    done(0);
    return;
  }
  ++counter_;
}
