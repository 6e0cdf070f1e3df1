// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/GetdentsWalk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {
struct Counts {
  long long folders = 0;
  long long entries = 0;
};

void walk(int handle, std::vector<char>& buffer, Counts& counts) {
  ++counts.folders;
  std::vector<std::string> subfolders;
  for (;;) {
    const long n = ::syscall(SYS_getdents64, handle, buffer.data(), buffer.size());
    if (n <= 0) break;
    for (long off = 0; off < n;) {
      const auto* entry = reinterpret_cast<const struct dirent64*>(buffer.data() + off);
      off += entry->d_reclen;
      ++counts.entries;
      if (entry->d_type == DT_DIR && entry->d_name[0] != '.') subfolders.emplace_back(entry->d_name);
    }
  }
  for (const std::string& name : subfolders) {
    const int child = ::openat(handle, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (child < 0) continue;
    walk(child, buffer, counts);
    ::close(child);
  }
}

double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }
}  // namespace

int getdentsWalk(const char* start) {
  const int handle = ::open(start, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) return 1;
  std::vector<char> buffer(64 * 1024);  // as the search reads
  Counts counts;
  const auto began = std::chrono::steady_clock::now();
  walk(handle, buffer, counts);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  ::close(handle);
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  std::printf("{\"mode\":\"getdents\",\"seconds\":%.6f,\"user_seconds\":%.6f,\"system_seconds\":%.6f,"
              "\"folders\":%lld,\"entries\":%lld}\n",
              wall, seconds(usage.ru_utime), seconds(usage.ru_stime), counts.folders, counts.entries);
  return 0;
}
