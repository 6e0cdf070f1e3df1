// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QElapsedTimer>

// The yield of a walk on the user-interface thread, letting pending window
// events run at most once per display frame (16 ms): far faster than anyone
// can see or type, so a walk that yields tens of thousands of times a second
// does not spend its time polling an empty event queue.
class EventYield {
public:
  static constexpr qint64 kIntervalNs = 16'000'000;
  // Whether events are to be let in now; if so, the next frame starts.
  bool due();
  // The next yield lets events in whatever the time: a new search starts.
  void restart() { sinceLast_.invalidate(); }
  static void letEventsIn();

private:
  QElapsedTimer sinceLast_;
};
