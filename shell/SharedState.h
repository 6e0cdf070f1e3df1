#pragma once
#include <cstdint>

class FileSystem;

// The process-wide variables every window shares, zeroed at start and touched
// only from the user-interface thread.
struct SharedState {
  std::int16_t SplashTicks = 0;  // splash start-timer ticks; a click sets 5
  FileSystem* Fso = nullptr;     // the file-system object, created on first use
  bool StopFlag = false;         // the running search is to end
  bool MatchCase = false;        // the match-case option of the running search
  bool WantTrans = false;        // windows are made semi-transparent when they open
  std::int32_t IdleTicks = 0;    // search watchdog counter
  std::int32_t BusyTicks = 0;    // close-timer ticks the busy window waits
};
