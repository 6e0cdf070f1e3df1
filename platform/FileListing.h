#pragma once
#include <string_view>

#include "platform/ListingPattern.h"
#include "platform/NameList.h"

// The file listing: the bare names of the entered folder's files that its
// pattern admits, in name order. It keeps the folder open while its names are
// examined, so each file is looked up relative to it and never by a rebuilt path.
class FileListing {
public:
  enum Kind : std::uint8_t { RegularFile = 0, Link = 1 };  // a link is resolved only when its name matches

  FileListing() = default;
  FileListing(const FileListing&) = delete;
  FileListing& operator=(const FileListing&) = delete;
  ~FileListing();

  const ListingPattern& pattern() const { return pattern_; }
  void setPattern(const ListingPattern& pattern) { pattern_ = pattern; }

  std::size_t count() const { return names_.size(); }
  std::string_view name(std::size_t i) const { return names_.at(i); }
  const char* cName(std::size_t i) const { return names_.cString(i); }
  Kind kind(std::size_t i) const { return static_cast<Kind>(names_.tag(i)); }

  // Releases the open folder; the names stay.
  void release();

  // For the file-system implementation.
  void reset(int folderHandle);
  int folderHandle() const { return handle_; }
  void add(std::string_view name, Kind kind) { names_.add(name, kind); }
  void sort() { names_.sort(); }

private:
  ListingPattern pattern_;
  NameList names_;
  int handle_ = -1;
};
