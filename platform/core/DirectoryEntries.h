// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

enum class FsOutcome;

// Where one directory read reports what it found: visible subfolders, visible
// regular files and links (a link is resolved only once its name matches),
// and entries whose type could not be learned, with why.
class DirectoryEntries {
public:
  virtual ~DirectoryEntries() = default;
  virtual void addFolder(std::string_view name) = 0;
  virtual void addFile(std::string_view name, bool isLink) = 0;
  virtual void addUnreadable(std::string_view name, FsOutcome why) = 0;
  // Set by a receiver that wants nothing more: the read ends at once, and
  // touches nothing it was given again (their owner may be gone).
  bool abandoned() const { return abandoned_; }

protected:
  void abandon() { abandoned_ = true; }

private:
  bool abandoned_ = false;
};
