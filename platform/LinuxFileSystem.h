#pragma once
#include <vector>

#include "platform/FileSystem.h"
#include "platform/MountTable.h"

// File-system services over the Linux system calls. Directory entries are
// read in large batches with getdents64 straight into the listings, and a file
// is looked up (fstatat, relative to its open folder) only when its name matches.
class LinuxFileSystem final : public FileSystem {
public:
  LinuxFileSystem();

  std::vector<std::string> drives() override;
  bool folderExists(const std::string& path) override;
  std::string absolutePathName(const std::string& folder, const std::string& name) override;
  FsOutcome fileSize(const std::string& path, std::int64_t& size) override;
  void beginSearch() override;
  FsOutcome enter(const std::string& path, FolderListing& dirx, FileListing& flx) override;
  FsOutcome fileDetails(const FileListing& flx, std::size_t i, std::int64_t& size) override;

private:
  FsOutcome readEntries(int fd, FolderListing& dirx, FileListing& flx, bool checkMounts);
  static FsOutcome failure(int error);

  MountTable mounts_;
  std::vector<char> buffer_;  // getdents64 batch, reused for every folder
};
