#include "engine/FolderListing.h"

#include "platform/core/PathName.h"

std::string FolderListing::folderPath(std::size_t i) const { return PathName::join(path_, names_.at(i)); }

void FolderListing::reset(std::string_view path) {
  path_.assign(path);
  names_.clear();
}

void FolderListing::freeMemory() {
  path_ = std::string();
  names_ = NameList();
}
