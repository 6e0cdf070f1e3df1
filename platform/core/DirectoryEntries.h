#pragma once
#include <string_view>

// Where one directory read reports what it found: visible subfolders, visible
// regular files and links (a link is resolved only once its name matches),
// and entries whose type could not be learned.
class DirectoryEntries {
public:
  virtual ~DirectoryEntries() = default;
  virtual void addFolder(std::string_view name) = 0;
  virtual void addFile(std::string_view name, bool isLink) = 0;
  virtual void addUnreadable(std::string_view name) = 0;
};
