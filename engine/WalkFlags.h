#pragma once
#include <cstdint>

// The program-wide variables a walk reads and writes. They live in the shared
// state record of the application; the walk only holds their addresses.
struct WalkFlags {
  bool* stopFlag = nullptr;
  bool* matchCase = nullptr;
  std::int32_t* idleTicks = nullptr;   // reset whenever the status text changes; may be null
  std::int64_t* curFileSize = nullptr; // size of the file whose entry is being completed; may be null
};
