#pragma once
#include <functional>

#include "platform/core/DirectoryEntries.h"

class FileListing;
class FolderListing;
class NameTest;
class UnreadableLog;
class WalkHost;

// Takes one directory read into the walk's listings: subfolders to currentFolder,
// files that the pattern admits to currentFiles, unknowable entries to the log. Where
// told (keepOnly), only names that pass the name text are kept, so a huge
// folder sorts only what it will show.
//
// Every kEntriesPerYield entries the walk yields (yield: false when the walk
// is gone or replaced); the read is then abandoned, and nothing of the walk
// touched again.
class ListingSink final : public DirectoryEntries {
public:
  static constexpr unsigned kEntriesPerYield = 256;  // a counter per entry, the clock only then

  ListingSink(FolderListing& currentFolder, FileListing& currentFiles, UnreadableLog& log, WalkHost& host,
              const std::function<bool()>& yield)
      : dirx_(currentFolder), flx_(currentFiles), log_(log), host_(host), yield_(yield) {}
  void keepOnly(const NameTest* names, bool matchCase) {
    names_ = names;
    matchCase_ = matchCase;
  }
  void addFolder(std::string_view name) override;
  void addFile(std::string_view name, bool isLink) override;
  void addUnreadable(std::string_view name) override;
  // Entries of all kinds taken so far.
  unsigned entries() const { return entries_; }

private:
  void counted();

  FolderListing& dirx_;
  FileListing& flx_;
  UnreadableLog& log_;
  WalkHost& host_;
  const std::function<bool()>& yield_;
  const NameTest* names_ = nullptr;
  bool matchCase_ = false;
  unsigned entries_ = 0;
};
