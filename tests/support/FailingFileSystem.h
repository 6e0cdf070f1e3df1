#pragma once
#include <set>
#include <string>

#include "platform/LinuxFileSystem.h"

// The real file system, with chosen folders or files failing as a permission
// problem or an exhausted resource would (CI runs as root, which reads everything).
class FailingFileSystem final : public FileSystem {
public:
  std::set<std::string> unreadableFolders, unreadableFiles, exhaustedFolders;
  LinuxFileSystem real;

  std::vector<std::string> drives() override { return real.drives(); }
  bool folderExists(const std::string& p) override { return real.folderExists(p); }
  std::string absolutePathName(const std::string& f, const std::string& n) override { return real.absolutePathName(f, n); }
  FsOutcome fileSize(const std::string& p, std::int64_t& s) override { return real.fileSize(p, s); }
  void beginSearch() override { real.beginSearch(); }
  FsOutcome enter(const std::string& p, FolderListing& dirx, FileListing& flx) override {
    const FsOutcome outcome = real.enter(p, dirx, flx);
    if (exhaustedFolders.count(p)) return failed(p, dirx, flx, FsOutcome::OutOfResources);
    if (unreadableFolders.count(p)) return failed(p, dirx, flx, FsOutcome::Unreadable);
    return outcome;
  }
  FsOutcome fileDetails(const FileListing& flx, std::size_t i, std::int64_t& size) override {
    if (unreadableFiles.count(std::string(flx.name(i)))) return FsOutcome::Unreadable;
    return real.fileDetails(flx, i, size);
  }

private:
  static FsOutcome failed(const std::string& p, FolderListing& dirx, FileListing& flx, FsOutcome o) {
    dirx.reset(p);
    flx.reset(-1);
    return o;
  }
};
