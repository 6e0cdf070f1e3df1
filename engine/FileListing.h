#pragma once
#include <string_view>

#include "engine/ListingPattern.h"
#include "engine/NameList.h"
#include "platform/core/OpenFolder.h"

// The file listing: the bare names of the entered folder's files that its
// pattern admits, in name order. It keeps the folder open while its names are
// examined, so each file is looked up relative to it and never by a rebuilt path.
class FileListing {
public:
  const ListingPattern& pattern() const { return pattern_; }
  // Holds from the next folder entered on.
  void setPattern(ListingPattern pattern) { pattern_ = std::move(pattern); }

  std::size_t count() const { return names_.size(); }
  std::string_view name(std::size_t i) const { return names_.at(i); }
  const char* cName(std::size_t i) const { return names_.cString(i); }
  bool isLink(std::size_t i) const { return names_.tag(i) != 0; }
  const OpenFolder& folder() const { return folder_; }
  OpenFolder& folder() { return folder_; }

  void offer(std::string_view name, bool isLink) {
    if (pattern_.matches(name)) names_.add(name, isLink ? 1 : 0);
  }
  bool sort(const std::function<bool()>& yield) { return names_.sort(yield); }  // NameList::sort
  // Forgets the names and closes the folder.
  void clear();
  // Closes the folder; the names stay.
  void release() { folder_.release(); }
  // Gives the name buffers back, after memory ran out.
  void freeMemory();

private:
  ListingPattern pattern_;
  NameList names_;
  OpenFolder folder_;
};
