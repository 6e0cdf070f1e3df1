// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <dirent.h>

// How many entries a folder of /proc holds now, dot entries aside.
inline int procEntries(const char* folder) {
  int n = 0;
  if (DIR* d = ::opendir(folder)) {
    while (const dirent* e = ::readdir(d))
      if (e->d_name[0] != '.') ++n;
    ::closedir(d);
  }
  return n;
}

inline int openHandles() { return procEntries("/proc/self/fd") - 1; }  // less the listing's own

inline int runningThreads() { return procEntries("/proc/self/task"); }
