// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/LinuxFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/core/FolderOpener.h"
#include "platform/core/FolderReader.h"
#include "platform/core/MountTable.h"
#include "platform/core/PathName.h"
#include "platform/core/SystemErrors.h"

namespace {
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// A handle closed on the way out.
struct Closed {
  int handle;
  ~Closed() {
    if (handle >= 0) ::close(handle);
  }
};

bool hasNul(const std::string& s) { return s.find('\0') != std::string::npos; }

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// What is mounted there, as the kernel holds it now: no automount is
// triggered and no server is asked, so a window never waits on a dead share.
bool isFolderAtOnce(const std::string& path) {
  struct statx st;
  constexpr int kFlags = AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC | AT_SYMLINK_NOFOLLOW;
  return ::statx(AT_FDCWD, path.c_str(), kFlags, STATX_TYPE, &st) == 0 && S_ISDIR(st.stx_mode);
}
}  // namespace

// Bind mounts of single files (common in containers) are not drives.
std::vector<std::string> LinuxFileSystem::drives() { return MountTable::read().locations(isFolderAtOnce); }

bool LinuxFileSystem::folderExists(const std::string& path) {
  if (path.empty() || hasNul(path)) return false;
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  if (errno != ENAMETOOLONG) return false;
  const Closed folder{FolderOpener::openNamed(path, O_PATH | O_DIRECTORY | O_CLOEXEC)};
  return folder.handle >= 0;
}

std::string LinuxFileSystem::absolutePathName(const std::string& folder, const std::string& name) {
  return PathName::join(folder, name);
}

FsOutcome LinuxFileSystem::beginSearch(const std::string& startFolder, SearchRoot& root) {
  root.release();
  if (startFolder.empty() || hasNul(startFolder)) return FsOutcome::Unreadable;
  const int handle = FolderOpener::openNamed(startFolder, kFolderFlags);
  if (handle < 0) return SystemErrors::outcome(errno);
  std::vector<dev_t> devices;
  std::vector<SearchRoot::Parent> parents;
  const MountTable mounts = MountTable::read();
  for (const MountTable::Mount& m : mounts.interfaceMounts()) {
    devices.push_back(m.device);
    struct statx st;
    const std::string parent = parentOf(m.point);
    constexpr int kFlags = AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC;  // never waits on a share above it
    if (parent.empty() || ::statx(AT_FDCWD, parent.c_str(), kFlags, STATX_INO, &st) != 0) continue;
    parents.push_back(
        {makedev(st.stx_dev_major, st.stx_dev_minor), st.stx_ino, m.point.substr(m.point.rfind('/') + 1)});
  }
  root.reset(startFolder, handle, std::move(devices), std::move(parents));
  return FsOutcome::Ok;
}

// From the nearest kept folder above path (its parent, mostly), or else
// from the start folder.
int LinuxFileSystem::openFolder(SearchRoot& root, const std::string& path) {
  std::size_t from = 0;
  int above = root.folders().nearest(path, from);
  if (above < 0) {
    if (!root.relative(path, from)) {
      errno = EINVAL;  // not below the start folder
      return -1;
    }
    above = root.handle();
  }
  return FolderOpener::openBeneath(above, std::string_view(path).substr(from), path.c_str() + from);
}

FsOutcome LinuxFileSystem::enter(SearchRoot& root, const std::string& path, OpenFolder& folder,
                                 DirectoryEntries& entries) {
  folder.release();
  if (!root.isOpen()) return FsOutcome::Unreadable;
  int handle = openFolder(root, path);
  if (handle < 0 && (errno == EMFILE || errno == ENFILE) && root.folders().giveBack()) handle = openFolder(root, path);
  if (handle < 0) return SystemErrors::outcome(errno);
  folder.reset(handle);
  bool hasFolders = false;
  const FsOutcome outcome = readEntries(root, handle, entries, hasFolders);
  if (outcome != FsOutcome::Ok) folder.release();
  else if (hasFolders && !entries.abandoned()) root.folders().keep(path, handle);
  return outcome;
}

FsOutcome LinuxFileSystem::readEntries(const SearchRoot& root, int handle, DirectoryEntries& entries,
                                       bool& hasFolders) {
  FsOutcome outcome = reader_.identify(handle, root.interfaceDevices());
  if (outcome != FsOutcome::Ok) return outcome;
  const dev_t device = reader_.device();
  const ino_t inode = reader_.inode();
  const bool checkChildren = root.hasInterfaceChildren(device, inode);
  outcome = reader_.read(handle, hooks_.now, [&](const char* name, unsigned char type) {
    if (type == DT_UNKNOWN) {
      struct stat st;
      if (::fstatat(handle, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) entries.addUnreadable(name, SystemErrors::outcome(errno));  // gone meanwhile: no failure
        return !entries.abandoned();
      }
      type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_UNKNOWN;
    }
    if (type == DT_DIR) {
      if (checkChildren && root.isInterfaceChild(device, inode, name)) return true;
      entries.addFolder(name);
      hasFolders = true;
    } else if (type == DT_REG || type == DT_LNK) {
      entries.addFile(name, type == DT_LNK);
    }
    return !entries.abandoned();  // events ran: the reader may hold a newer read, root be freed
  });
  if (outcome != FsOutcome::Ok || entries.abandoned()) return outcome;
  // The read as the read-ahead sees it; when it asks, the same read again,
  // now from the caches, for what a warm read costs.
  hooks_.last = {reader_.took(), reader_.entries(), {}};
  if (hooks_.timeWarm) {
    hooks_.timeWarm = false;
    hooks_.last.warm = reader_.again(handle, hooks_.now);
  }
  return FsOutcome::Ok;
}

FsOutcome LinuxFileSystem::fileDetails(const SearchRoot& root, const OpenFolder& folder, const char* name, bool isLink,
                                       FileTime which, FileFacts& facts) {
  const unsigned timeBit = which == FileTime::Created    ? STATX_BTIME
                           : which == FileTime::Accessed ? STATX_ATIME
                                                         : STATX_MTIME;
  struct statx st;
  if (::statx(folder.handle(), name, AT_STATX_SYNC_AS_STAT, STATX_TYPE | STATX_SIZE | timeBit, &st) != 0) {
    const int error = errno;
    // A link whose target is missing, loops or cannot be reached is not a listed file.
    if (isLink && error != ENOMEM) return FsOutcome::NotListed;
    return SystemErrors::outcome(error);
  }
  // Whatever the listing said: a regular file then may be a link to /proc/kcore (128 TiB) now.
  if (!S_ISREG(st.stx_mode) || root.isInterfaceDevice(makedev(st.stx_dev_major, st.stx_dev_minor)))
    return FsOutcome::NotListed;
  facts.size = std::int64_t(st.stx_size);
  const struct statx_timestamp& t = which == FileTime::Created    ? st.stx_btime
                                    : which == FileTime::Accessed ? st.stx_atime
                                                                  : st.stx_mtime;
  facts.hasTime = (st.stx_mask & timeBit) != 0;  // no birth time where the file system records none
  facts.time = facts.hasTime ? t.tv_sec : 0;
  return FsOutcome::Ok;
}

// The name is looked up for its object alone (O_PATH: nothing is opened
// for reading, so a name swapped for a device or a FIFO since it was listed
// has no effect); only a regular file there is then opened for reading,
// through that very handle. A link is followed: its target is what is read.
FsOutcome LinuxFileSystem::openFile(SearchRoot& root, const OpenFolder& folder, const char* name, FileReader& reader) {
  reader.release();
  int found = ::openat(folder.handle(), name, O_PATH | O_CLOEXEC);
  if (found < 0 && (errno == EMFILE || errno == ENFILE) && root.folders().giveBack())
    found = ::openat(folder.handle(), name, O_PATH | O_CLOEXEC);
  if (found < 0) return SystemErrors::outcome(errno);
  const Closed object{found};
  struct stat st;
  if (::fstat(found, &st) != 0) return SystemErrors::outcome(errno);
  if (!S_ISREG(st.st_mode) || root.isInterfaceDevice(st.st_dev)) return FsOutcome::NotListed;
  char again[32];
  std::snprintf(again, sizeof again, "/proc/self/fd/%d", found);
  constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;  // a lease never holds the walk
  int handle = ::open(again, kReadFlags);
  if (handle < 0 && (errno == EMFILE || errno == ENFILE) && root.folders().giveBack())
    handle = ::open(again, kReadFlags);
  // The object is held: ENOENT here means no /proc, and no safe way to open it.
  if (handle < 0) return errno == ENOENT ? FsOutcome::Unreadable : SystemErrors::outcome(errno);
  reader.reset(handle);
  return FsOutcome::Ok;
}

std::unique_ptr<ReadAhead> LinuxFileSystem::makeReadAhead(int workers, ReadAhead::When when) {
  if (workers <= 0) return nullptr;
  return std::make_unique<LinuxReadAhead>(workers, when, hooks_);
}
