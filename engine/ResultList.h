// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/FileFacts.h"

// The results of a search: one compact record per found file (its name in a
// shared arena, its folder as an index into the folders seen, its size and one of its
// times), so
// that a million results cost little. The list owns every byte it keeps. A
// record's type image is found from its name when it is shown.
class ResultList {
public:
  // Emptied for a search that keeps this time of each file.
  void clear(FileTime kind = FileTime::Modified);
  FileTime timeKind() const { return timeKind_; }
  // The folder of the records appended next; recorded once one is.
  void setFolder(std::string_view folder);
  // A file whose chosen time the file system does not keep (no birth time).
  static constexpr std::int64_t kNoTime = std::numeric_limits<std::int64_t>::min();
  void append(std::string_view name, std::int64_t size, std::int64_t time = 0);

  std::size_t size() const { return records_.size(); }
  std::string_view name(std::size_t i) const { return {records_[i].name, records_[i].nameLength}; }
  const std::string& folder(std::size_t i) const { return folders_[records_[i].folder]; }
  std::int64_t fileSize(std::size_t i) const { return records_[i].size; }
  // The time the search chose (seconds since the epoch; 0 where there was none).
  std::int64_t fileTime(std::size_t i) const { return records_[i].time; }
  // The folders records are in, each once, in the order they were first used.
  std::size_t folderCount() const { return folders_.size(); }
  const std::string& folderAt(std::size_t f) const { return folders_[f]; }
  std::size_t folderIndex(std::size_t i) const { return records_[i].folder; }

private:
  struct Record {
    const char* name;
    std::uint32_t nameLength;
    std::uint32_t folder;
    std::int64_t size;
    std::int64_t time;
  };
  const char* store(std::string_view name);

  std::vector<Record> records_;
  FileTime timeKind_ = FileTime::Modified;
  std::vector<std::string> folders_;
  std::string nextFolder_;
  bool nextFolderRecorded_ = false;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockUsed_ = 0;
  std::size_t blockSize_ = 0;
};
