// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class FsOutcome;

// The folders and files a search could not read. They are skipped, not fatal;
// this keeps their number and the first paths, each with why, so the window
// can say so.
class UnreadableLog {
public:
  static constexpr std::size_t kKeptPaths = 100;

  void clear();
  void addFolder(const std::string& path, FsOutcome why);
  void addFile(std::string path, FsOutcome why);

  std::int64_t folders() const { return folders_; }
  std::int64_t files() const { return files_; }
  std::int64_t total() const { return folders_ + files_; }
  const std::vector<std::string>& paths() const { return paths_; }
  const std::vector<FsOutcome>& reasons() const { return reasons_; }  // one per kept path

private:
  void keep(std::string path, FsOutcome why);

  std::int64_t folders_ = 0;
  std::int64_t files_ = 0;
  std::vector<std::string> paths_;
  std::vector<FsOutcome> reasons_;
};
