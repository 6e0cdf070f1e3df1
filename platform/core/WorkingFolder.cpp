// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/WorkingFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "platform/core/PathName.h"

namespace {
bool sameFolder(const char* a, const char* b) {
  struct stat first {
  }, second{};
  return ::stat(a, &first) == 0 && ::stat(b, &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

// As for "pwd -L": a $PWD with "." or ".." components is not taken.
bool usableShellFolder(const char* pwd) {
  if (!pwd || pwd[0] != PathName::separator) return false;
  const std::string_view p(pwd);
  if (p.find("/./") != p.npos || p.find("/../") != p.npos || p.ends_with("/.") || p.ends_with("/..")) return false;
  return sameFolder(pwd, ".");
}

std::string workingFolder() {
  const char* pwd = std::getenv("PWD");
  if (usableShellFolder(pwd)) return pwd;
  const std::unique_ptr<char, decltype(&std::free)> system(::getcwd(nullptr, 0), &std::free);
  return system ? std::string(system.get()) : std::string();
}
}  // namespace

std::string WorkingFolder::absolute(std::string_view path) {
  if (path.empty() || path.front() == PathName::separator) return std::string(path);
  const std::string folder = workingFolder();
  return folder.empty() ? std::string(path) : PathName::join(folder, path);
}
