#include "engine/UnreadableLog.h"

void UnreadableLog::clear() {
  folders_ = files_ = 0;
  paths_.clear();
}

void UnreadableLog::addFolder(const std::string& path) {
  ++folders_;
  keep(path);
}

void UnreadableLog::addFile(std::string path) {
  ++files_;
  keep(std::move(path));
}

void UnreadableLog::keep(std::string path) {
  // Counting goes on when memory is short; keeping a path may not.
  if (paths_.size() >= kKeptPaths) return;
  try {
    paths_.push_back(std::move(path));
  } catch (const std::bad_alloc&) {
  }
}
