#pragma once
#include "platform/core/DirectoryEntries.h"

class FileListing;
class FolderListing;
class NameTest;
class UnreadableLog;
class WalkHost;

// Takes one directory read into the walk's listings: subfolders to dirx,
// files that the pattern admits to flx, unknowable entries to the log. Where
// the name text cannot change before the files are examined, only names that
// pass it are kept, so a huge folder sorts only what it will show.
class ListingSink final : public DirectoryEntries {
public:
  ListingSink(FolderListing& dirx, FileListing& flx, UnreadableLog& log, WalkHost& host)
      : dirx_(dirx), flx_(flx), log_(log), host_(host) {}
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
  const NameTest* names_ = nullptr;
  bool matchCase_ = false;
  unsigned entries_ = 0;
};
