#include "shell/EventYield.h"

#include <QCoreApplication>

void EventYield::operator()() {
  if (sinceLast_.isValid() && sinceLast_.nsecsElapsed() < kIntervalNs) return;
  sinceLast_.start();
  // Nothing of this object is touched after the events have run: one of
  // them may close and free the window that owns it.
  QCoreApplication::processEvents();
}
