#include "shell/EventYield.h"

#include <QCoreApplication>

#include "engine/ResultsModel.h"

void EventYield::operator()() {
  if (sinceLast_.isValid() && sinceLast_.nsecsElapsed() < kIntervalNs) return;
  sinceLast_.start();
  if (results_) results_->flush();
  // Nothing of this object is touched after the events have run: one of
  // them may close and free the window that owns it.
  QCoreApplication::processEvents();
}
