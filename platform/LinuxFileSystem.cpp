#include "platform/LinuxFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/PathName.h"

namespace {
constexpr std::size_t kBatchBytes = 64 * 1024;

bool hasNul(const std::string& s) { return s.find('\0') != std::string::npos; }
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

FsOutcome LinuxFileSystem::fileSize(const std::string& path, std::int64_t& size) {
  if (path.empty() || hasNul(path)) return FsOutcome::Unreadable;
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return failure(errno);
  if (!S_ISREG(st.st_mode)) return FsOutcome::NotListed;
  size = st.st_size;
  return FsOutcome::Ok;
}

void LinuxFileSystem::beginSearch() { mounts_ = MountTable::read(); }

FsOutcome LinuxFileSystem::failure(int error) {
  switch (error) {
    case EMFILE:
    case ENFILE:
    case ENOMEM:
      return FsOutcome::OutOfResources;
    default:
      return FsOutcome::Unreadable;
  }
}

FsOutcome LinuxFileSystem::enter(const std::string& path, FolderListing& dirx, FileListing& flx) {
  dirx.reset(path);
  if (path.empty() || hasNul(path)) {
    flx.reset(-1);
    return FsOutcome::Unreadable;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  flx.reset(fd);
  if (fd < 0) return failure(errno);
  const FsOutcome outcome = readEntries(fd, dirx, flx, mounts_.hasPseudoChild(path));
  if (outcome != FsOutcome::Ok) {
    // A folder that cannot be read to its end contributes nothing.
    dirx.reset(path);
    flx.reset(-1);
    return outcome;
  }
  dirx.sort();
  flx.sort();
  return FsOutcome::Ok;
}

FsOutcome LinuxFileSystem::readEntries(int fd, FolderListing& dirx, FileListing& flx, bool checkMounts) {
  const ListingPattern& pattern = flx.pattern();
  for (;;) {
    const ssize_t n = ::getdents64(fd, buffer_.data(), buffer_.size());
    if (n == 0) return FsOutcome::Ok;
    if (n < 0) return failure(errno);
    for (ssize_t off = 0; off < n;) {
      const auto* entry = reinterpret_cast<const struct dirent64*>(buffer_.data() + off);
      off += entry->d_reclen;
      const char* name = entry->d_name;
      if (name[0] == '.') continue;  // hidden, and "." and ".."
      unsigned char type = entry->d_type;
      if (type == DT_UNKNOWN) {
        struct stat st;
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;  // vanished meanwhile
        type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_UNKNOWN;
      }
      const std::string_view nameView(name);
      if (type == DT_DIR) {
        if (checkMounts && mounts_.isPseudo(PathName::join(dirx.path(), nameView))) continue;
        dirx.add(nameView);
      } else if ((type == DT_REG || type == DT_LNK) && pattern.matches(nameView)) {
        flx.add(nameView, type == DT_REG ? FileListing::RegularFile : FileListing::Link);
      }
    }
  }
}

FsOutcome LinuxFileSystem::fileDetails(const FileListing& flx, std::size_t i, std::int64_t& size) {
  struct stat st;
  if (::fstatat(flx.folderHandle(), flx.cName(i), &st, 0) != 0) {
    const int error = errno;
    // A link whose target is missing, loops or cannot be reached is not a listed file.
    if (flx.kind(i) == FileListing::Link && error != ENOMEM) return FsOutcome::NotListed;
    return failure(error);
  }
  if (!S_ISREG(st.st_mode)) return FsOutcome::NotListed;
  size = st.st_size;
  return FsOutcome::Ok;
}
