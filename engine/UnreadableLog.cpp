// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/UnreadableLog.h"

void UnreadableLog::clear() {
  folders_ = files_ = 0;
  paths_.clear();
  reasons_.clear();
}

void UnreadableLog::addFolder(const std::string& path, FsOutcome why) {
  ++folders_;
  keep(path, why);
}

void UnreadableLog::addFile(std::string path, FsOutcome why) {
  ++files_;
  keep(std::move(path), why);
}

void UnreadableLog::keep(std::string path, FsOutcome why) {
  // Counting goes on when memory is short; keeping a path may not.
  if (paths_.size() >= kKeptPaths) return;
  try {
    paths_.reserve(kKeptPaths);
    reasons_.reserve(kKeptPaths);
  } catch (const std::bad_alloc&) {
    return;
  }
  paths_.push_back(std::move(path));
  reasons_.push_back(why);
}
