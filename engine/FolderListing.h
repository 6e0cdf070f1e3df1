#pragma once
#include <string>
#include <string_view>

#include "engine/NameList.h"

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
