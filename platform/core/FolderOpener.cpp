// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/FolderOpener.h"

#include <fcntl.h>
#include <limits.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace {
// openat2 takes paths up to PATH_MAX: longer ones are opened in pieces.
constexpr std::size_t kLongestPiece = 3072;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

std::atomic<bool> openat2Missing{false};  // an old kernel, or a sandbox that filters it

int openat2Beneath(int dirHandle, const char* path) {
  open_how how{};
  how.flags = kFolderFlags;
  how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
  return static_cast<int>(::syscall(SYS_openat2, dirHandle, path, &how, sizeof how));
}

// Moves a walk down from one opened folder to the next: the one left is
// closed (never the one the walk started from); false, with errno kept, when
// the next could not be opened.
bool stepInto(int& current, int start, int next) {
  const int error = errno;
  if (current != start) ::close(current);
  current = next;
  errno = error;
  return next >= 0;
}

// The same, one component at a time, for systems without openat2.
int openComponents(int dirHandle, std::string_view path) {
  int current = dirHandle;
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    const std::string component(path.substr(0, slash));
    path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
    int next = -1;
    if (component.empty() || component == "." || component == "..") errno = EACCES;
    else next = ::openat(current, component.c_str(), kFolderFlags | O_NOFOLLOW);
    if (!stepInto(current, dirHandle, next)) return -1;
  }
  return current == dirHandle ? ::openat(dirHandle, ".", kFolderFlags) : current;
}

int openPiece(int dirHandle, const char* piece) {
  if (!openat2Missing) {
    const int handle = openat2Beneath(dirHandle, piece);
    if (handle >= 0 || (errno != ENOSYS && errno != EPERM)) return handle;
    if (errno == ENOSYS) openat2Missing = true;
  }
  return openComponents(dirHandle, piece);
}

// Cuts a path longer than the system takes at slashes, and opens it piece
// after piece, each from the one before; open(handle, piece, last) opens one.
template <typename Open>
int openInPieces(int dirHandle, std::string_view relative, Open open) {
  int current = dirHandle;
  std::string piece;
  while (!relative.empty()) {
    std::size_t cut = relative.size();
    if (cut > kLongestPiece) {
      cut = relative.rfind('/', kLongestPiece);
      if (cut == std::string_view::npos || cut == 0) cut = relative.size();
    }
    piece.assign(relative.substr(0, cut));
    relative.remove_prefix(cut);
    if (!relative.empty()) relative.remove_prefix(1);
    if (!stepInto(current, dirHandle, open(current, piece.c_str(), relative.empty()))) return -1;
  }
  return current;
}
}  // namespace

int FolderOpener::openBeneath(int dirHandle, std::string_view relative, const char* terminated) {
  if (relative.empty()) return ::openat(dirHandle, ".", kFolderFlags);
  if (relative.size() <= kLongestPiece) return openPiece(dirHandle, terminated);
  return openInPieces(dirHandle, relative, [](int from, const char* piece, bool) { return openPiece(from, piece); });
}

// Pieces on the way are opened for their path alone: only the last needs
// more than search permission.
int FolderOpener::openNamed(const std::string& path, int flags) {
  if (path.size() < PATH_MAX) return ::open(path.c_str(), flags);
  return openInPieces(AT_FDCWD, path, [flags](int from, const char* piece, bool last) {
    return ::openat(from, piece, last ? flags : O_PATH | O_DIRECTORY | O_CLOEXEC);
  });
}
