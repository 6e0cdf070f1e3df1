#include "shell/frmpgr.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

#include "shell/FontFamilies.h"
#include "shell/MYVARS.h"
#include "shell/Twips.h"

frmpgr* frmpgr::open_ = nullptr;

frmpgr::frmpgr(int tickMs, QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("frmpgr");
  setWindowTitle("Process");
  setModal(true);
  setFixedSize(Twips::toPixels(6510), Twips::toPixels(3015));
  setStyleSheet("frmpgr { background: white; }");

  Label1 = new QLabel("Openning....", this);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);  // a caption wider than the window breaks, never clips
  Label1->setAttribute(Qt::WA_TranslucentBackground);
  Label1->setFont(FontFamilies::font("Tahoma", 27.75, true));
  Label1->setGeometry(Twips::rect(120, 300, 6270, 1800));

  pict = new QWidget(this);
  pict->setObjectName("pict");
  pict->setAutoFillBackground(true);
  QPalette blue = pict->palette();
  blue.setColor(QPalette::Window, QColor(0, 0, 255));
  pict->setPalette(blue);
  pict->setGeometry(Twips::rect(kMarkerDesignLeft, 2280, 3135, 495));

  tmr.setInterval(40);
  tmrb.setInterval(40);
  tmru.setInterval(tickMs);
  connect(&tmr, &QTimer::timeout, this, &frmpgr::tmr_Timer);
  connect(&tmrb, &QTimer::timeout, this, &frmpgr::tmrb_Timer);
  connect(&tmru, &QTimer::timeout, this, &frmpgr::tmru_Timer);
  tmr.start();
  tmru.start();
  open_ = this;
}

frmpgr::~frmpgr() {
  if (open_ == this) open_ = nullptr;
}

frmpgr* frmpgr::current() { return open_; }

void frmpgr::takeOver(const QString& caption) {
  Label1->setText(caption);
  counter_ = 0;
}

void frmpgr::reject() {
  if (ticksEnded_) QDialog::reject();
}

void frmpgr::closeEvent(QCloseEvent* event) {
  if (ticksEnded_) QDialog::closeEvent(event);
  else event->ignore();
}

void frmpgr::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmpgr::moveMarker(int deltaTwips) {
  markerLeft_ += deltaTwips;
  pict->move(Twips::toPixels(markerLeft_), pict->y());
}

void frmpgr::tmr_Timer() {
  if (markerLeft_ > 3150) {
    tmr.stop();
    tmrb.start();
  }
  moveMarker(400);
}

void frmpgr::tmrb_Timer() {
  if (markerLeft_ < 300) {
    tmrb.stop();
    tmr.start();
  }
  moveMarker(-400);
}

void frmpgr::tmru_Timer() {
  SharedState& state = MYVARS::state();
  if (counter_ == state.BusyTicks) {
    counter_ = 0;
    state.BusyTicks = 0;
    tmru.stop();
    tmr.stop();
    tmrb.stop();
    if (open_ == this) open_ = nullptr;
    ticksEnded_ = true;
    done(0);
    return;
  }
  ++counter_;
}
