// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "engine/ResultList.h"
#include "engine/SearchQuery.h"
#include "engine/WalkHost.h"
#include "windows/EventYield.h"

class Context;
class FolderWalk;

// One search window's searching, without its widgets: the folder walk and
// what it found, the query the presses build up, the live inputs, the stop
// request and the watchdog. It is the walk's host on the window's thread and
// tells its view what happened through signals.
//
// Events run inside the walk's yields and the busy displays: a press may
// start a new search there, a close or a delete may end this session. The
// one guard, open_, is checked after each of them; nothing of the session is
// touched once it says closed. The walk guards itself the same way.
class SearchSession : public QObject, public WalkHost {
  Q_OBJECT
public:
  static constexpr int kWatchdogMs = 800;
  static constexpr int kStalledTicks = 3;  // ticks without a sign of the walk before it is stopped

  // watchdog: whether a walk without news for a while is stopped.
  SearchSession(Context& context, bool watchdog, QObject* parent = nullptr);
  ~SearchSession() override;

  // The view's input, as the user changes it; live for a running walk.
  void setNameText(const QString& text) { live_.nameText = text; }
  void setContainingText(const QString& text) { live_.containingText = text; }
  void setMatchCase(bool on) { live_.matchCase = on; }  // read at a press, not as the box changes
  // Built up by the presses: one refused for its location has still set the
  // pattern, and a press with no category chosen keeps the last one.
  SearchQuery& query() { return query_; }
  // What every press does first, before its checks.
  void emptyQueue();
  // A press that passed its checks: the busy display, then a new search
  // (returning when it ends) or, while one runs, Stop.
  void press(const std::string& startFolder, const QString& busyCaption);
  // The window closes: a walk waiting in a yield ends there, the timers stop.
  void close();
  void watchdogTick();

  bool isOpen() const { return *open_; }
  // The button says Stop: a walk runs and no stop was asked for.
  bool searching() const { return walking_ > 0 && !stop_; }
  bool walking() const { return walking_ > 0; }  // a walk has not returned yet, stopped or not
  const LiveInputs& inputs() const { return live_; }
  const ResultList& results() const { return results_; }
  FolderWalk* walk() { return walk_.get(); }  // null once closed

  // WalkHost
  LiveInputs yieldToEvents() override;
  void requestStop() override;
  bool stopRequested() override { return stop_; }
  void clearStopRequest() override;
  void statusChanged(const std::string& folder) override;
  void resultsCleared() override { Q_EMIT cleared(); }
  void ended() override { Q_EMIT finished(); }

Q_SIGNALS:
  void cleared();                                 // a new search emptied the results
  void rowsAdded();                               // at a yield: rows may have been appended
  void folderEntered(const std::string& folder);  // for the status line
  void searchingChanged(bool searching);
  void finished();  // the walk ended, by whatever cause (not replaced, not closed)

private:
  // Runs what lets events in; false when the session closed meanwhile.
  template <typename LetEventsIn>
  bool survives(LetEventsIn&& letEventsIn);
  void setWalking(int walking);

  Context& context_;
  const bool watchdog_;
  std::shared_ptr<bool> open_ = std::make_shared<bool>(true);
  ResultList results_;
  std::unique_ptr<FolderWalk> walk_;
  SearchQuery query_;
  LiveInputs live_;
  bool stop_ = false;
  int walking_ = 0;        // walks on the stack: a new search may start inside a yield
  int walkLoopLevel_ = 0;  // the event-loop depth the walk yields at
  int idleTicks_ = 0;
  QTimer watchdogTimer_;
  EventYield yield_;
};
