// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Paths as a folder and a name each, copied into a few large buffers: a
// million cost their names' bytes and 16 more each, not a string apiece, and
// are copied in a blink. Each folder is kept once.
class PathBatch {
public:
  void reserve(std::size_t paths, std::size_t nameBytes) {
    entries_.reserve(paths);
    names_.reserve(nameBytes);
  }
  // The index of a new folder, for add().
  std::uint32_t addFolder(std::string_view folder);
  void add(std::uint32_t folder, std::string_view name);

  std::size_t size() const { return entries_.size(); }
  std::string_view folder(std::size_t i) const;
  std::string_view name(std::size_t i) const { return {names_.data() + entries_[i].nameAt, entries_[i].nameLength}; }
  void pathInto(std::string& out, std::size_t i) const;

private:
  struct Entry {
    std::uint64_t nameAt;
    std::uint32_t nameLength;
    std::uint32_t folder;
  };
  std::string folders_;
  std::vector<std::size_t> folderEnds_;
  std::string names_;
  std::vector<Entry> entries_;
};
