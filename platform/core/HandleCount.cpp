// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/HandleCount.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

long long HandleCount::spare() {
  struct rlimit limit;
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return 0;
  long long open = 0;
  if (DIR* fds = ::opendir("/proc/self/fd")) {
    while (const dirent* entry = ::readdir(fds)) open += entry->d_name[0] != '.';
    ::closedir(fds);
    --open;  // the listing's own handle
  } else {
    const int lowest = ::open("/", O_PATH | O_CLOEXEC);
    if (lowest < 0) return 0;
    ::close(lowest);
    open = lowest;
  }
  return static_cast<long long>(limit.rlim_cur) - open;
}
