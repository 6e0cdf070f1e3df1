#pragma once
#include <dirent.h>

// How many file handles the process holds now, from /proc/self/fd.
inline int openHandles() {
  int n = 0;
  if (DIR* d = ::opendir("/proc/self/fd")) {
    while (const dirent* e = ::readdir(d))
      if (e->d_name[0] != '.') ++n;
    ::closedir(d);
  }
  return n - 1;  // the listing's own
}

// How many threads the process runs now, from /proc/self/task.
inline int runningThreads() {
  int n = 0;
  if (DIR* d = ::opendir("/proc/self/task")) {
    while (const dirent* e = ::readdir(d))
      if (e->d_name[0] != '.') ++n;
    ::closedir(d);
  }
  return n;
}
