#pragma once
#include <QElapsedTimer>

class ResultsModel;

// The yield of a walk on the user-interface thread: lets pending window
// events run. Events are let in at most once per display frame (16 ms), far faster
// than anyone can see or type, so a walk that yields tens of thousands of
// times a second does not spend its time polling an empty event queue or
// repainting at every yield.
class EventYield {
public:
  static constexpr qint64 kIntervalNs = 16'000'000;
  // results: shown to views (in one batch) whenever events are let in.
  explicit EventYield(ResultsModel* results = nullptr) : results_(results) {}
  void operator()();
  // The next yield lets events in whatever the time: a new search starts.
  void restart() { sinceLast_.invalidate(); }

private:
  ResultsModel* results_;
  QElapsedTimer sinceLast_;
};
