#include "platform/core/LinuxFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/core/MountTable.h"
#include "platform/core/PathName.h"
#include "platform/core/SystemErrors.h"

namespace {
constexpr std::size_t kBatchBytes = 64 * 1024;
// openat2 takes paths up to PATH_MAX: longer ones are opened in pieces.
constexpr std::size_t kLongestPiece = 3072;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

bool hasNul(const std::string& s) { return s.find('\0') != std::string::npos; }

bool openat2Missing = false;  // an old kernel, or a sandbox that filters it

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

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}
}  // namespace

LinuxFileSystem::LinuxFileSystem() : buffer_(kBatchBytes) {}

std::vector<std::string> LinuxFileSystem::drives() {
  std::vector<std::string> out;
  for (std::string& point : MountTable::read().realMountPoints()) {
    // Bind mounts of single files (common in containers) are not drives.
    if (folderExists(point)) out.push_back(std::move(point));
  }
  return out;
}

bool LinuxFileSystem::folderExists(const std::string& path) {
  if (path.empty() || hasNul(path)) return false;
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string LinuxFileSystem::absolutePathName(const std::string& folder, const std::string& name) {
  return PathName::join(folder, name);
}

FsOutcome LinuxFileSystem::beginSearch(const std::string& startFolder, SearchRoot& root) {
  root.release();
  if (startFolder.empty() || hasNul(startFolder)) return FsOutcome::Unreadable;
  const int handle = ::open(startFolder.c_str(), kFolderFlags);
  if (handle < 0) return SystemErrors::outcome(errno);
  std::vector<dev_t> devices;
  std::vector<SearchRoot::Parent> parents;
  const MountTable mounts = MountTable::read();
  for (const MountTable::Mount& m : mounts.interfaceMounts()) {
    devices.push_back(m.device);
    struct stat st;
    const std::string parent = parentOf(m.point);
    if (parent.empty() || ::stat(parent.c_str(), &st) != 0) continue;
    parents.push_back({st.st_dev, st.st_ino, m.point.substr(m.point.rfind('/') + 1)});
  }
  root.reset(startFolder, handle, std::move(devices), std::move(parents));
  return FsOutcome::Ok;
}

int LinuxFileSystem::openPiece(int dirHandle, const char* piece) {
  if (!openat2Missing) {
    const int handle = openat2Beneath(dirHandle, piece);
    if (handle >= 0 || (errno != ENOSYS && errno != EPERM)) return handle;
    if (errno == ENOSYS) openat2Missing = true;
  }
  return openComponents(dirHandle, piece);
}

int LinuxFileSystem::openBeneath(int dirHandle, std::string_view relative, const char* terminated) {
  if (relative.empty()) return ::openat(dirHandle, ".", kFolderFlags);
  if (relative.size() <= kLongestPiece) return openPiece(dirHandle, terminated);
  int current = dirHandle;
  while (!relative.empty()) {
    std::size_t cut = relative.size();
    if (cut > kLongestPiece) {
      cut = relative.rfind('/', kLongestPiece);
      if (cut == std::string_view::npos || cut == 0) cut = relative.size();
    }
    piece_.assign(relative.substr(0, cut));
    relative.remove_prefix(cut);
    if (!relative.empty()) relative.remove_prefix(1);
    if (!stepInto(current, dirHandle, openPiece(current, piece_.c_str()))) return -1;
  }
  return current;
}

FsOutcome LinuxFileSystem::enter(const SearchRoot& root, const std::string& path, OpenFolder& folder,
                                 DirectoryEntries& entries) {
  folder.release();
  const std::string& start = root.path();
  if (!root.isOpen() || path.compare(0, start.size(), start) != 0) return FsOutcome::Unreadable;
  std::size_t from = start.size();
  if (from < path.size() && start.back() != '/') {
    if (path[from] != '/') return FsOutcome::Unreadable;  // a sibling that shares the prefix
    ++from;
  }
  const int handle = openBeneath(root.handle(), std::string_view(path).substr(from), path.c_str() + from);
  if (handle < 0) return SystemErrors::outcome(errno);
  folder.reset(handle);
  const FsOutcome outcome = readEntries(root, handle, entries);
  if (outcome != FsOutcome::Ok) folder.release();
  return outcome;
}

FsOutcome LinuxFileSystem::readEntries(const SearchRoot& root, int handle, DirectoryEntries& entries) {
  struct stat self;
  if (::fstat(handle, &self) != 0) return SystemErrors::outcome(errno);
  if (root.isInterfaceDevice(self.st_dev)) return FsOutcome::NotListed;
  const bool checkChildren = root.hasInterfaceChildren(self.st_dev, self.st_ino);
  for (;;) {
    const long n = ::syscall(SYS_getdents64, handle, buffer_.data(), buffer_.size());
    if (n == 0) return FsOutcome::Ok;
    if (n < 0) return SystemErrors::outcome(errno);
    for (long off = 0; off < n;) {
      const auto* entry = reinterpret_cast<const struct dirent64*>(buffer_.data() + off);
      off += entry->d_reclen;
      const char* name = entry->d_name;
      if (name[0] == '.') continue;  // hidden, and "." and ".."
      unsigned char type = entry->d_type;
      if (type == DT_UNKNOWN) {
        struct stat st;
        if (::fstatat(handle, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
          if (errno != ENOENT) entries.addUnreadable(name);  // gone meanwhile is not a failure
          continue;
        }
        type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_UNKNOWN;
      }
      if (type == DT_DIR) {
        if (checkChildren && root.isInterfaceChild(self.st_dev, self.st_ino, name)) continue;
        entries.addFolder(name);
      } else if (type == DT_REG || type == DT_LNK) {
        entries.addFile(name, type == DT_LNK);
      }
    }
  }
}

FsOutcome LinuxFileSystem::fileDetails(const SearchRoot& root, const OpenFolder& folder, const char* name,
                                       bool isLink, std::int64_t& size) {
  struct stat st;
  if (::fstatat(folder.handle(), name, &st, 0) != 0) {
    const int error = errno;
    // A link whose target is missing, loops or cannot be reached is not a listed file.
    if (isLink && error != ENOMEM) return FsOutcome::NotListed;
    return SystemErrors::outcome(error);
  }
  if (!S_ISREG(st.st_mode)) return FsOutcome::NotListed;
  if (isLink && root.isInterfaceDevice(st.st_dev)) return FsOutcome::NotListed;  // /dev/core -> /proc/kcore
  size = st.st_size;
  return FsOutcome::Ok;
}

FsOutcome LinuxFileSystem::openFile(const SearchRoot& root, const OpenFolder& folder, const char* name,
                                    FileReader& reader) {
  reader.release();
  // Non-blocking, so that a file swapped for a FIFO since it was listed
  // cannot hold the open; its type is then checked on the handle itself.
  const int handle = ::openat(folder.handle(), name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (handle < 0) return SystemErrors::outcome(errno);
  struct stat st;
  if (::fstat(handle, &st) != 0 || !S_ISREG(st.st_mode) || root.isInterfaceDevice(st.st_dev)) {
    ::close(handle);
    return FsOutcome::NotListed;
  }
  reader.reset(handle);
  return FsOutcome::Ok;
}
