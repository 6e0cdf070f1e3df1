// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QTableView>
#include <algorithm>

#include "ui/LabelButton.h"
#include "ui/Settings.h"
#include "windows/ButtonFace.h"
#include "windows/SearchWindow.h"
#include "windows/WindowArt.h"

// The first size is the least: nothing is ever cut. A frameless window has
// no edges to drag, so the grip in the corner is the pointer's way (the
// window manager's keyboard resize works as for any window). Grown, the list
// takes the growth; the buttons column and the title strip's "X" keep their
// distance from the right edge, the found count and the status line theirs
// from the bottom.
void SearchWindow::setUpSizing() {
  setMinimumSize(size());
  setSizeGripEnabled(true);
  const auto follow = [this](QWidget* widget, int how) {
    if (widget) anchors_.push_back({widget, widget->geometry(), how});
  };
  follow(c_.titleStrip, Wider);
  for (QWidget* w : std::initializer_list<QWidget*>{c_.closeLabel, c_.findFace, c_.closeFace, c_.matchCaseBox,
                                                    c_.own.findLine, c_.own.closeLine})
    follow(w, Right);
  follow(c_.resultsView, Wider | Taller);
  follow(c_.own.documentsBox, Down);  // between the list and the found count
  follow(c_.foundLabel, Down | Wider);
  follow(c_.statusLabel, Down | Wider);
}

void SearchWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);  // the grip to the corner
  const int dx = width() - minimumWidth(), dy = height() - minimumHeight();
  for (const Anchor& a : anchors_) {
    const QRect place = a.first.translated(a.follow & Right ? dx : 0, a.follow & Down ? dy : 0);
    a.widget->setGeometry(place.adjusted(0, 0, a.follow & Wider ? dx : 0, a.follow & Taller ? dy : 0));
  }
  if (event->oldSize().width() != width()) c_.titleStrip->setPixmap(WindowArt::titleStrip(c_.titleStrip->size()));
}

// Where and how large the window was at its last close, moved and shrunk as
// far as needed to lie on the screen it is on now, never below its least size.
void SearchWindow::restorePlace() {
  const QRect kept = Settings::windowPlace(description_.objectName).read(context_);
  const QScreen* screen = QGuiApplication::screenAt(kept.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (kept.isNull() || !screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = kept.size().boundedTo(area.size()).expandedTo(minimumSize());
  const auto within = [](int at, int first, int end, int length) {
    return std::max(first, std::min(at, end - length));
  };
  setGeometry(within(kept.x(), area.left(), area.right() + 1, size.width()),
              within(kept.y(), area.top(), area.bottom() + 1, size.height()), size.width(), size.height());
}

void SearchWindow::keepPlace() { Settings::windowPlace(description_.objectName).write(context_, geometry()); }
