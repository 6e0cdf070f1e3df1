// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <fstream>
#include <string>

// What a search could leave behind. Qt paints with pooled threads that start
// on first use and idle for half a minute, each with an eventfd: those are
// Qt's, so only handles on files and folders count, and only other threads.
inline int openHandles() {
  int n = 0;
  std::error_code gone;  // a handle closed while listing reads as no target
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd"))
    n += std::filesystem::read_symlink(fd.path(), gone).string().starts_with('/');
  return n - 1;  // less the listing's own handle
}

inline int runningThreads() {
  int n = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::string name;
    std::getline(std::ifstream(task.path() / "comm"), name);
    n += name != "Thread (pooled)";
  }
  return n;
}
