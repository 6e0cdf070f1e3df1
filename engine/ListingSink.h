#pragma once
#include "platform/core/DirectoryEntries.h"

class FileListing;
class FolderListing;
class UnreadableLog;

// Takes one directory read into the walk's listings: subfolders to dirx,
// files that the pattern admits to flx, unknowable entries to the log.
class ListingSink final : public DirectoryEntries {
public:
  ListingSink(FolderListing& dirx, FileListing& flx, UnreadableLog& log) : dirx_(dirx), flx_(flx), log_(log) {}
  void addFolder(std::string_view name) override;
  void addFile(std::string_view name, bool isLink) override;
  void addUnreadable(std::string_view name) override;

private:
  FolderListing& dirx_;
  FileListing& flx_;
  UnreadableLog& log_;
};
