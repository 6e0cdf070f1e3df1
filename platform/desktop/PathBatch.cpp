// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/PathBatch.h"

#include "platform/core/PathName.h"

std::uint32_t PathBatch::addFolder(std::string_view folder) {
  folders_.append(folder);
  folderEnds_.push_back(folders_.size());
  return std::uint32_t(folderEnds_.size() - 1);
}

void PathBatch::add(std::uint32_t folder, std::string_view name) {
  entries_.push_back({names_.size(), std::uint32_t(name.size()), folder});
  names_.append(name);
}

std::string_view PathBatch::folder(std::size_t i) const {
  const std::uint32_t f = entries_[i].folder;
  const std::size_t from = f == 0 ? 0 : folderEnds_[f - 1];
  return std::string_view(folders_).substr(from, folderEnds_[f] - from);
}

void PathBatch::pathInto(std::string& out, std::size_t i) const { PathName::joinInto(out, folder(i), name(i)); }
