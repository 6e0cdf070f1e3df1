// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
SettingsFile::Stamp stampFrom(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_mode, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

bool readAll(int handle, QByteArray& into) {
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(handle, chunk, sizeof chunk);
    if (n == 0) return true;
    if (n > 0) into.append(chunk, n);
    else if (errno != EINTR) return false;
  }
}
}  // namespace

SettingsFile::Stamp SettingsFile::stampOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? stampFrom(st) : Stamp{};
}

// Opened without waiting (a FIFO would hold the open, and the read, for ever),
// then only a regular file is read.
SettingsFile::Contents SettingsFile::read(const std::string& path) {
  Contents contents;
  const int handle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (handle < 0) {
    if (errno == ENOENT) contents.outcome = Outcome::Absent;
    return contents;
  }
  struct stat st;
  if (::fstat(handle, &st) == 0) {
    contents.stamp = stampFrom(st);
    if (S_ISREG(st.st_mode) && readAll(handle, contents.bytes)) contents.outcome = Outcome::Read;
  }
  ::close(handle);
  if (contents.outcome != Outcome::Read) contents.bytes.clear();
  return contents;
}
