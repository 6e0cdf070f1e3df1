// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "engine/SearchQuery.h"

// What a folder walk needs from the window it runs in. The walk runs on the
// window's thread and calls these at its fixed points.
class WalkHost {
public:
  virtual ~WalkHost() = default;
  // Lets pending window events run, at most once per display frame: called
  // between folders and every few hundred entries of a long listing, so the
  // clock is read only then. Anything may happen meanwhile: a press may empty
  // the queue or start a new search, the window may close and destroy the
  // walk. The walk checks for that itself, then takes the inputs returned
  // as they stand now: they can change only during a yield.
  virtual LiveInputs yieldToEvents() = 0;
  // The search is to end: asked by the walk when it runs out of folders, or
  // by the window (Stop, the watchdog). A new walk withdraws the request.
  virtual void requestStop() = 0;
  virtual bool stopRequested() = 0;
  virtual void clearStopRequest() = 0;
  // The status text becomes "Searching In " + folder + "...".
  virtual void statusChanged(const std::string& folder) = 0;
  // The results were emptied for a new search.
  virtual void resultsCleared() = 0;
  // The walk has ended, by whatever cause (not when it was replaced or destroyed).
  virtual void ended() = 0;
};
