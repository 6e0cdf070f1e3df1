// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SaveFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

namespace {
constexpr int kNotRegular = -1;  // in place of an errno: something other than a file is in the way

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);  // "" for a name in "/"
}

// The end of the path's chain of links where that is a regular file we may
// write to, or nothing yet; otherwise why not (a read-only file is meant to
// stay as it is).
int finalTarget(std::string& path) {
  for (int links = 0; links < 40; ++links) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    if (S_ISREG(st.st_mode)) return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
    if (!S_ISLNK(st.st_mode)) return kNotRegular;
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    if (n < 0) return errno;
    if (n == 0 || n == sizeof target) return ENAMETOOLONG;
    path = target[0] == '/' ? std::string(target, n) : folderOf(path) + '/' + std::string(target, n);
  }
  return ELOOP;
}

// A new file of our own beside the target: one that exists keeps its
// permissions, a new one gets the usual ones less the umask.
int createBeside(const std::string& target, std::string& name) {
  struct stat st;
  const bool exists = ::stat(target.c_str(), &st) == 0;
  // Shortened so that the dot and the number added keep it within NAME_MAX.
  const std::string stem = folderOf(target) + "/." + target.substr(target.rfind('/') + 1, 200) + '.';
  for (int attempt = 0; attempt < 10; ++attempt) {
    name = stem + std::to_string(QRandomGenerator::global()->generate64());
    const int handle = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exists ? 0600 : 0666);
    if (handle < 0 && errno == EEXIST) continue;
    if (handle >= 0 && exists && ::fchmod(handle, st.st_mode & 07777) != 0) {
      const int error = errno;
      ::close(handle);
      ::unlink(name.c_str());
      errno = error;
      return -1;
    }
    return handle;
  }
  return -1;
}

// Every byte of every chunk, then synced: a disk that is full or gone may say so only there.
bool writeAll(int handle, const SaveFile::Chunks& next) {
  for (std::string_view bytes = next(); !bytes.empty(); bytes = next())
    while (!bytes.empty()) {
      const ssize_t n = ::write(handle, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      bytes.remove_prefix(std::size_t(n));
    }
  return ::fsync(handle) == 0;
}

QString reason(int error) {
  if (error == kNotRegular) return QCoreApplication::translate("SaveFile", "it is not a regular file");
  return QString::fromLocal8Bit(std::strerror(error ? error : EIO));
}
}  // namespace

bool SaveFile::write(const std::string& path, const Chunks& next, QString& error) {
  std::string target = path;
  if (const int refused = finalTarget(target)) {
    error = reason(refused);
    return false;
  }
  std::string temporary;
  const int handle = createBeside(target, temporary);
  if (handle < 0) {
    error = reason(errno);
    return false;
  }
  errno = 0;
  bool written = false;
  int failure = 0;
  try {
    written = writeAll(handle, next);
    failure = written ? 0 : errno;
  } catch (const std::bad_alloc&) {  // a chunk could not be made: nothing is replaced
    failure = ENOMEM;
  }
  if (::close(handle) == 0 && written && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
  if (!failure) failure = errno;
  ::unlink(temporary.c_str());
  error = reason(failure);
  return false;
}

bool SaveFile::write(const std::string& path, std::string_view bytes, QString& error) {
  return write(
      path, [&bytes] { return std::exchange(bytes, {}); }, error);
}

bool SaveFile::write(const QString& path, const Chunks& next, QString& error) {
  return write(QFile::encodeName(path).toStdString(), next, error);
}
