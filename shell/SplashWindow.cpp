// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SplashWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "shell/StartSequence.h"
#include "ui/Art.h"
#include "ui/Context.h"
#include "ui/FontFamilies.h"
#include "ui/Settings.h"
#include "ui/Twips.h"
#include "ui/WindowPalette.h"

namespace {
constexpr int kWidth = 11220;
constexpr int kGrownHeight = 5600;  // grows while at most this, in steps of 100
}  // namespace

SplashWindow::SplashWindow(Context& context, SearchWindows& windows, int tickMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), context_(context), windows_(windows) {
  setObjectName("frmspl");
  setWindowTitle("Quorrel");
  WindowPalette::apply(this);
  background_ = new QLabel(this);
  background_->setGeometry(Twips::rect(0, 0, kWidth, 6015));
  background_->setPixmap(ShellArt::splashBackground(background_->size(), devicePixelRatioF()));
  titleLabel = addLabel("Label1", "Quorrel", FontFamilies::font("Arial", 120, true), Qt::black, 0, 2400);
  subtitleLabel = addLabel("Label2", "File Finder", FontFamilies::font("Arial", 54.75, true), Qt::black, 2280, 1140);
  versionLabel = addLabel("Label3", "Real Time v2.0", FontFamilies::font("Arial", 45, true), Qt::black, 3360, 960);
  sloganLabel = addLabel("Label6", "Now Upto 250% Faster", FontFamilies::font("Times New Roman", 27.75, true),
                         QColor(0, 0, 128), 4320, 600);
  noteLabel = addLabel("Label8", "Note: The Software is Free to Use.", FontFamilies::font("Times New Roman", 20.25),
                       Qt::black, 5040, 480);

  // Load: 100 twips high at first, and the install-path record. It unrolls
  // from where the middle of the screen puts its top.
  setFixedSize(Twips::toPixels(kWidth), Twips::toPixels(100));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, Twips::toPixels(5700) / 2));
  }
  recordInstallPath();
  startTimer.setInterval(tickMs);
  unrollTimer.setInterval(1);
  connect(&startTimer, &QTimer::timeout, this, &SplashWindow::startTick);
  connect(&unrollTimer, &QTimer::timeout, this, &SplashWindow::unrollTick);
  startTimer.start();
  unrollTimer.start();
}

QLabel* SplashWindow::addLabel(const char* name, const QString& text, const QFont& font, const QColor& colour, int top,
                               int height) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  label->setFont(font);
  label->setAttribute(Qt::WA_TranslucentBackground);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setGeometry(Twips::rect(360, top, kWidth - 480, height));
  label->installEventFilter(this);
  return label;
}

// Where the program is: its folder and its file name, joined by "/" whatever
// the folder ends in. Written at every start, never read.
void SplashWindow::recordInstallPath() {
  const QString value =
      QCoreApplication::applicationDirPath() + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  Settings::installPath.write(context_, value);
}

void SplashWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  background_->lower();
}

void SplashWindow::unrollTick() {
  const int height = Twips::fromPixels(this->height());
  if (height <= kGrownHeight) setFixedHeight(Twips::toPixels(height + 100));
}

void SplashWindow::startTick() {
  SharedState& state = context_.state();
  if (state.splashTicks != 5) {
    ++state.splashTicks;
    return;
  }
  startTimer.stop();
  unrollTimer.stop();
  hide();  // closed; this handler runs on to its end
  StartSequence::run(context_, windows_);
  QCoreApplication::quit();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
  context_.state().splashTicks = 5;
  QWidget::mousePressEvent(event);
}

// The title labels and the claim start at the next tick; the note does not.
bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched != noteLabel) context_.state().splashTicks = 5;
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
