// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QTimer>
#include <cstdint>

class Context;
class QLabel;

// The busy window: a borderless box with a caption and a blue marker sliding
// left and right. Its close timer counts ticks and closes it on the
// (ticks + 1)-th. A fresh window every time: counter 0, marker at its
// design place.
class BusyWindow : public QDialog {
  Q_OBJECT
public:
  static constexpr int kMarkerDesignLeft = 240;  // twips

  // Its ticks are the context's busy ticks; it closes on the (ticks + 1)-th.
  BusyWindow(Context& context, std::int16_t ticks, QWidget* parent = nullptr);
  ~BusyWindow() override;

  // A second busy display while this one is open: new caption and ticks, count from 0.
  void takeOver(const QString& caption, std::int16_t ticks);
  bool ticksEnded() const { return ticksEnded_; }

  int markerLeft() const { return markerLeft_; }

  QLabel* captionLabel;
  QWidget* marker;
  QTimer rightTimer;  // marker to the right
  QTimer leftTimer;   // marker to the left
  QTimer closeTimer;  // close timer

  void moveRight();
  void moveLeft();
  void closeTick();

  // Only its own close timer closes it: not Escape, not the window manager.
  void reject() override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void moveMarker(int deltaTwips);

  int markerLeft_ = kMarkerDesignLeft;
  std::int16_t ticks_;
  std::int16_t counter_ = 0;
  bool ticksEnded_ = false;
};
