// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// The variables every window of the program shares (its context holds them),
// zeroed at start and touched only from the user-interface thread.
struct SharedState {
  std::int16_t splashTicks = 0;   // splash start-timer ticks; a click sets 5
  bool stopFlag = false;          // the running search is to end
  bool matchCase = false;         // the match-case option of the running search
  bool wantTransparency = false;  // windows are made semi-transparent when they open
  std::int32_t idleTicks = 0;     // search watchdog counter
  std::int32_t busyTicks = 0;     // close-timer ticks the busy window waits
};
