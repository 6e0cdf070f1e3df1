#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The folders and files a search could not read. They are skipped, not fatal;
// this keeps their number and the first paths so the window can say so.
class UnreadableLog {
public:
  static constexpr std::size_t kKeptPaths = 100;

  void clear();
  void addFolder(const std::string& path);
  void addFile(std::string path);

  std::int64_t folders() const { return folders_; }
  std::int64_t files() const { return files_; }
  std::int64_t total() const { return folders_ + files_; }
  const std::vector<std::string>& paths() const { return paths_; }

private:
  void keep(std::string path);

  std::int64_t folders_ = 0;
  std::int64_t files_ = 0;
  std::vector<std::string> paths_;
};
