// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/EventYield.h"

#include <QCoreApplication>

bool EventYield::due() {
  if (sinceLast_.isValid() && sinceLast_.nsecsElapsed() < kIntervalNs) return false;
  sinceLast_.start();
  return true;
}

void EventYield::letEventsIn() { QCoreApplication::processEvents(); }
