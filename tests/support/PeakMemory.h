// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <fstream>
#include <string>

// The process's peak resident memory so far, in kB (VmHWM); -1 where unknown.
inline long peakKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}
