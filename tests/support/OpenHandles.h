// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

// Counts what a search could leave behind. Qt paints with pooled threads that
// start on first use and idle for half a minute, each with an eventfd: they
// are Qt's, so handles count only links to files and folders, and threads
// leave out the pooled ones.
template <typename Keep>
int procEntries(const char* folder, Keep keep) {
  int n = 0;
  if (DIR* d = ::opendir(folder)) {
    while (const dirent* e = ::readdir(d))
      if (e->d_name[0] != '.' && keep(std::string(folder) + '/' + e->d_name)) ++n;
    ::closedir(d);
  }
  return n;
}

inline int openHandles() {
  const int self = 1;  // the listing's own folder handle
  return procEntries("/proc/self/fd", [](const std::string& entry) {
           char target[8];
           const ssize_t n = ::readlink(entry.c_str(), target, sizeof target);
           return n > 0 && target[0] == '/';
         }) -
         self;
}

inline int runningThreads() {
  return procEntries("/proc/self/task", [](const std::string& task) {
    char name[32] = {};
    if (FILE* f = std::fopen((task + "/comm").c_str(), "r")) {
      if (!std::fgets(name, sizeof name, f)) name[0] = '\0';
      std::fclose(f);
    }
    return std::strncmp(name, "Thread (pooled)", 15) != 0;
  });
}
