// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QThread>

#include "engine/FolderWalk.h"
#include "ui/Context.h"
#include "ui/LabelButton.h"
#include "ui/Settings.h"
#include "ui/Twips.h"
#include "windows/LocationBox.h"
#include "windows/ResultsTable.h"

// Opened over another window, the window is its dialog; opened on its own, it
// is a main window of the program (a task bar entry, no transient parent).
SearchWindow::SearchWindow(Context& context, SearchWindowDescription description, QWidget* parent)
    : QDialog(parent, (parent ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint),
      context_(context),
      description_(std::move(description)) {
  setObjectName(description_.objectName);
  context_.makeTransparentOnFirstShow(this);
  setWindowTitle(description_.title);
  setFixedSize(Twips::toPixels(description_.clientWidth), Twips::toPixels(description_.clientHeight));
  table_ = new ResultsTable(results_, context_.icons(), this);
  walk_ = std::make_unique<FolderWalk>(context_.fileSystem(), results_, *this);
  buildControls();
  if (description_.addControls) own_ = description_.addControls(*this);
  setTabOrder();
  nameField->setFocus();  // a new window takes typing in its name field

  // The status changes twice per folder; the label shows it at display rate.
  statusShow_.setSingleShot(true);
  statusShow_.setInterval(16);
  connect(&statusShow_, &QTimer::timeout, this, &SearchWindow::showStatus);
  lookTimer.setInterval(100);
  watchdogTimer.setInterval(800);
  connect(&lookTimer, &QTimer::timeout, this, &SearchWindow::refreshLook);
  connect(&watchdogTimer, &QTimer::timeout, this, &SearchWindow::watchdogTick);
  lookTimer.start();
  if (description_.watchdog) watchdogTimer.start();
  loadFields();
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::closePressed() { close(); }

void SearchWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closing_) return;
  closing_ = true;
  lookTimer.stop();
  watchdogTimer.stop();
  statusShow_.stop();
  // A walk waiting in a yield ends there without touching this window again.
  walk_.reset();
  Settings::searchName.write(context_, nameField->text());
  Settings::searchLocation.write(context_, locations_->bytes());
  QDialog::closeEvent(event);
  hide();
  context_.showBusy(1, "Returning...");
}

void SearchWindow::refreshLook() {
  showFoundCount();
  if (stopRequested()) {
    findButton->setText(kFind);
    statusLabel->setVisible(false);
  }
}

void SearchWindow::watchdogTick() {
  if (findButton->text() != kStop) return;
  SharedState& state = context_.state();
  // A dialog or drag opened from the list runs its own event loop inside one
  // of the walk's yields: the walk waits for the user, it has not stalled.
  if (QThread::currentThread()->loopLevel() > walkLoopLevel_) {
    state.idleTicks = 0;
    return;
  }
  if (state.idleTicks == 3) {
    context_.showBusy(4, "Processing...");
    requestStop();
    state.idleTicks = 0;
  } else {
    ++state.idleTicks;
  }
}
