// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SettingsFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QRandomGenerator>

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

bool writeAll(int handle, const QByteArray& bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t n = ::write(handle, bytes.constData() + done, bytes.size() - done);
    if (n > 0) done += n;
    else if (n < 0 && errno != EINTR) return false;
  }
  return ::fdatasync(handle) == 0;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);  // "" for a name in "/"
}

// The end of the path's chain of links where that is a regular file we may
// write to, or nothing yet; "" where it is anything else (a read-only file is
// meant to stay as it is), or the chain cannot be followed.
std::string finalTarget(std::string path) {
  for (int links = 0; links < 40; ++links) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? path : std::string();
    if (S_ISREG(st.st_mode)) return ::access(path.c_str(), W_OK) == 0 ? path : std::string();
    if (!S_ISLNK(st.st_mode)) return {};
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    if (n <= 0 || n == sizeof target) return {};
    path = target[0] == '/' ? std::string(target, n) : folderOf(path) + '/' + std::string(target, n);
  }
  return {};
}

// A new file of our own beside the target: one that exists keeps its
// permissions, a new one gets the usual ones less the umask.
int createBeside(const std::string& target, std::string& name) {
  struct stat st;
  const bool exists = ::stat(target.c_str(), &st) == 0;
  const std::string stem = folderOf(target) + "/." + target.substr(target.rfind('/') + 1) + '.';
  for (int attempt = 0; attempt < 10; ++attempt) {
    name = stem + std::to_string(QRandomGenerator::global()->generate64());
    const int handle = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exists ? 0600 : 0666);
    if (handle < 0 && errno == EEXIST) continue;
    if (handle >= 0 && exists && ::fchmod(handle, st.st_mode & 07777) != 0) {
      ::close(handle);
      ::unlink(name.c_str());
      return -1;
    }
    return handle;
  }
  return -1;
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

bool SettingsFile::replace(const std::string& path, const QByteArray& bytes) {
  const std::string target = finalTarget(path);
  if (target.empty()) return false;
  std::string temporary;
  const int handle = createBeside(target, temporary);
  if (handle < 0) return false;
  const bool written = writeAll(handle, bytes);
  if (::close(handle) == 0 && written && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}
