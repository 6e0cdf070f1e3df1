// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// What is truly program-wide (its context holds it), zeroed at start and
// touched only from the user-interface thread. A search's own state is its
// session's (windows/SearchSession), the busy window's ticks its own.
struct SharedState {
  std::int16_t splashTicks = 0;   // splash start-timer ticks; a click sets 5
  bool wantTransparency = false;  // windows are made semi-transparent when they open
};
