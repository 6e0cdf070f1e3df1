// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTimer>
#include <QWidget>

class Context;
class QLabel;
class SearchWindows;

// The splash: unrolls downwards, records where the program is installed, and
// after about 2.5 s (or at the first tick after a click) closes and runs the
// start sequence; when that returns, the program ends.
class SplashWindow : public QWidget {
  Q_OBJECT
public:
  static constexpr int kTickMs = 410;
  SplashWindow(Context& context, SearchWindows& windows, int tickMs = kTickMs, QWidget* parent = nullptr);

  void startTick();
  void unrollTick();

  QLabel* titleLabel = nullptr;
  QLabel* subtitleLabel = nullptr;
  QLabel* versionLabel = nullptr;
  QLabel* sloganLabel = nullptr;
  QLabel* noteLabel = nullptr;
  QTimer startTimer;
  QTimer unrollTimer;

protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void recordInstallPath();

  Context& context_;
  SearchWindows& windows_;
  QLabel* background_ = nullptr;
};
