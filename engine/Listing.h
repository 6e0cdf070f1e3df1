// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ListingPattern.h"
#include "platform/core/DirectoryEntries.h"
#include "platform/core/OpenFolder.h"

class NameTest;
class UnreadableLog;

// The names of one folder read, packed into one buffer so that listing a
// folder allocates nothing per name once the buffers have grown. Each name
// is stored NUL-terminated so it can go straight to a system call.
class NameList {
public:
  void clear();
  void add(std::string_view name, std::uint8_t tag = 0);
  // By name without regard to case (CaseFold), then by raw bytes, so the
  // order is total and stable from one run to the next. A long list is sorted
  // in runs, then merged, with yield() asked every kRun names: false from it
  // ends the sort at once, touching nothing of the list again (its owner may
  // be gone), and is returned.
  bool sort(const std::function<bool()>& yield);
  void sort() {
    sort([] { return true; });
  }
  static constexpr std::size_t kRun = 1024;

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  std::string_view at(std::size_t i) const {
    const Entry& e = entries_[i];
    return {buffer_.data() + e.offset, e.length};
  }
  const char* cString(std::size_t i) const { return buffer_.data() + entries_[i].offset; }
  std::uint8_t tag(std::size_t i) const { return entries_[i].tag; }

private:
  struct Entry {
    std::uint32_t offset;
    std::uint32_t length : 24;
    std::uint32_t tag : 8;
  };
  struct Sorted {
    std::uint32_t keyOffset;
    std::uint32_t keyLength;
    Entry entry;
  };
  std::vector<char> buffer_;
  std::vector<Entry> entries_;
  std::string keys_;             // sort keys of the names, built by sort()
  std::vector<Sorted> sorting_;  // reused by sort()
  std::vector<Sorted> merged_;   // the same, for the merges
};

// The folder listing: the entered folder and its subfolders, reported as full
// paths in name order.
class FolderListing {
public:
  const std::string& path() const { return path_; }
  std::size_t count() const { return names_.size(); }
  std::string_view name(std::size_t i) const { return names_.at(i); }
  std::string folderPath(std::size_t i) const;

  // Enters path with no subfolders known yet.
  void reset(std::string_view path);
  void add(std::string_view name) { names_.add(name); }
  bool sort(const std::function<bool()>& yield) { return names_.sort(yield); }  // NameList::sort
  void freeMemory();

private:
  std::string path_;
  NameList names_;
};

// The file listing: the bare names of the entered folder's files that its
// pattern admits, in name order. It keeps the folder open while its names are
// examined, so each file is looked up relative to it and never by a rebuilt path.
class FileListing {
public:
  const ListingPattern& pattern() const { return pattern_; }
  // Holds from the next folder entered on.
  void setPattern(ListingPattern pattern) { pattern_ = std::move(pattern); }

  std::size_t count() const { return names_.size(); }
  std::string_view name(std::size_t i) const { return names_.at(i); }
  const char* cName(std::size_t i) const { return names_.cString(i); }
  bool isLink(std::size_t i) const { return names_.tag(i) != 0; }
  const OpenFolder& folder() const { return folder_; }
  OpenFolder& folder() { return folder_; }

  void offer(std::string_view name, bool isLink) {
    if (pattern_.matches(name)) names_.add(name, isLink ? 1 : 0);
  }
  bool sort(const std::function<bool()>& yield) { return names_.sort(yield); }  // NameList::sort
  // Forgets the names and closes the folder.
  void clear();
  // Closes the folder; the names stay.
  void release() { folder_.release(); }
  // Gives the name buffers back, after memory ran out.
  void freeMemory();

private:
  ListingPattern pattern_;
  NameList names_;
  OpenFolder folder_;
};

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

  ListingSink(FolderListing& currentFolder, FileListing& currentFiles, UnreadableLog& log,
              const std::function<bool()>& yield)
      : folder_(currentFolder), files_(currentFiles), log_(log), yield_(yield) {}
  // matchCase: the walk's, which each yield refreshes.
  void keepOnly(const NameTest* names, const bool* matchCase) {
    names_ = names;
    matchCase_ = matchCase;
  }
  void addFolder(std::string_view name) override;
  void addFile(std::string_view name, bool isLink) override;
  void addUnreadable(std::string_view name, FsOutcome why) override;

private:
  void counted();

  FolderListing& folder_;
  FileListing& files_;
  UnreadableLog& log_;
  const std::function<bool()>& yield_;
  const NameTest* names_ = nullptr;
  const bool* matchCase_ = nullptr;
  unsigned entries_ = 0;
};
