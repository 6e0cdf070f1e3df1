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
  if (paths_.size() < kKeptPaths) paths_.push_back(std::move(path));
}
