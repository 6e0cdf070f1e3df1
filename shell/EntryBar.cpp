// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/EntryBar.h"

#include <QMouseEvent>

#include "shell/ShellArt.h"
#include "ui/FontFamilies.h"
#include "ui/LabelButton.h"

EntryBar::EntryBar(int entry, const QString& caption, qreal pointSize, QWidget* parent)
    : QLabel(parent), label(new LabelButton(caption, this)), entry_(entry) {
  setLineWidth(1);
  label->setFont(FontFamilies::font("Arial", pointSize, true));
  setMouseTracking(true);
  label->setMouseTracking(true);
}

void EntryBar::setHighlighted(bool on) { setFrameShape(on ? QFrame::Box : QFrame::NoFrame); }

void EntryBar::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  setPixmap(ShellArt::entryBar(size(), entry_, devicePixelRatioF()));
  // Across the bar's width, leaving a margin of bar above and below.
  label->setGeometry(0, height() / 5, width(), height() - 2 * (height() / 5));
}

// The pointer over the bar is over the bar, not over the launcher beneath.
void EntryBar::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
