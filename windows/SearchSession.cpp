// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchSession.h"

#include <QThread>

#include "engine/FolderWalk.h"
#include "ui/Context.h"

SearchSession::SearchSession(Context& context, bool watchdog, QObject* parent)
    : QObject(parent), context_(context), watchdog_(watchdog) {
  walk_ = std::make_unique<FolderWalk>(context_.fileSystem(), results_, *this);
  watchdogTimer_.setInterval(kWatchdogMs);
  connect(&watchdogTimer_, &QTimer::timeout, this, &SearchSession::watchdogTick);
  if (watchdog_) watchdogTimer_.start();
}

// A walk waiting in a yield (or a busy display) ends there: the guard says closed.
SearchSession::~SearchSession() { *open_ = false; }

template <typename LetEventsIn>
bool SearchSession::survives(LetEventsIn&& letEventsIn) {
  const std::shared_ptr<bool> open = open_;  // outlives this session if the events end it
  letEventsIn();
  return *open;
}

void SearchSession::close() {
  *open_ = false;
  walking_ = 0;
  watchdogTimer_.stop();
  walk_.reset();  // the walk's own guard ends it in its yield; what it found stays
}

void SearchSession::emptyQueue() {
  if (walk_) walk_->emptyQueue();
}

void SearchSession::press(const std::string& startFolder, const QString& busyCaption) {
  if (!isOpen()) return;
  query_.startFolder = startFolder;
  SearchQuery query = query_;  // the walk holds on to it, and may outlive the session
  if (!survives([&] { context_.showBusy(1, busyCaption); })) return;
  if (searching()) {
    requestStop();
    return;
  }
  query.inputs = live_;  // as they stand after the busy display
  yield_.restart();
  walkLoopLevel_ = QThread::currentThread()->loopLevel();
  setWalking(walking_ + 1);
  if (survives([&] { walk_->start(query); })) setWalking(walking_ - 1);
}

LiveInputs SearchSession::yieldToEvents() {
  if (!yield_.due()) return live_;
  idleTicks_ = 0;  // the walk moves on, inside one huge folder too
  Q_EMIT rowsAdded();
  if (!survives(EventYield::letEventsIn)) return {};  // the walk is gone with it, and reads nothing
  return live_;
}

void SearchSession::setWalking(int walking) {
  const bool was = searching();
  walking_ = walking;
  if (searching() != was) Q_EMIT searchingChanged(searching());
}

void SearchSession::requestStop() {
  const bool was = searching();
  stop_ = true;
  if (was) Q_EMIT searchingChanged(false);
}

void SearchSession::clearStopRequest() {
  const bool was = searching();
  stop_ = false;
  if (searching() != was) Q_EMIT searchingChanged(searching());
}

void SearchSession::statusChanged(const std::string& folder) {
  idleTicks_ = 0;
  Q_EMIT folderEntered(folder);
}

void SearchSession::watchdogTick() {
  if (!searching()) return;
  // A dialog or drag opened from the list runs its own event loop inside one
  // of the walk's yields: the walk waits for the user, it has not stalled.
  if (QThread::currentThread()->loopLevel() > walkLoopLevel_) {
    idleTicks_ = 0;
    return;
  }
  if (idleTicks_ < kStalledTicks) {
    ++idleTicks_;
    return;
  }
  if (!survives([&] { context_.showBusy(4, tr("Processing...")); })) return;
  requestStop();
  idleTicks_ = 0;
}
