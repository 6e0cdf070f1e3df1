// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SplashWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "shell/ShellArt.h"
#include "shell/StartSequence.h"
#include "ui/Context.h"
#include "ui/Layout.h"
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
  setWindowTitle(tr("Quorrel"));
  WindowPalette::apply(this);
  using namespace Layout;
  using W = SplashWindow;
  const int labelWidth = kWidth - 480;
  // clang-format off
  build(this, {
    {make<QLabel>, nullptr,  {},                   {0, 0, kWidth, 6015},             into<&W::background_>},
    {make<QLabel>, "Label1", tr("Quorrel"),        {360, 0, labelWidth, 2400},       into<&W::titleLabel>,
                                                                                     {"Arial", 120, true}},
    {make<QLabel>, "Label2", tr("File Finder"),    {360, 2280, labelWidth, 1140},    into<&W::subtitleLabel>,
                                                                                     {"Arial", 54.75, true}},
    {make<QLabel>, "Label3", tr("Real Time v2.0"), {360, 3360, labelWidth, 960},     into<&W::versionLabel>,
                                                                                     {"Arial", 45, true}},
    {make<QLabel>, "Label6", tr("Now Upto 250% Faster"),
                                                   {360, 4320, labelWidth, 600},     into<&W::sloganLabel>,
                                                                                     {"Times New Roman", 27.75, true}},
    {make<QLabel>, "Label8", tr("Note: The Software is Free to Use."),
                                                   {360, 5040, labelWidth, 480},     into<&W::noteLabel>,
                                                                                     {"Times New Roman", 20.25}},
  });
  // clang-format on
  background_->setPixmap(ShellArt::splashBackground(background_->size(), devicePixelRatioF()));
  for (QLabel* label : {titleLabel, subtitleLabel, versionLabel, sloganLabel, noteLabel}) {
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, label == sloganLabel ? QColor(0, 0, 128) : QColor(Qt::black));
    label->setPalette(palette);
    label->installEventFilter(this);
  }

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
