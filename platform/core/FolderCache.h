// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Open handles on folders of one search whose subfolders are still to be
// entered, so that each subfolder is opened from its parent by one name and
// costs the same at any depth. Bounded, as a breadth-first walk queues the
// subfolders of many parents at once: the least recently used gives its
// handle back first, and all give theirs back when the system runs short.
class FolderCache {
public:
  static constexpr std::size_t kCapacity = 16;

  FolderCache() = default;
  FolderCache(const FolderCache&) = delete;
  FolderCache& operator=(const FolderCache&) = delete;
  ~FolderCache() { clear(); }

  // The handle of the deepest kept folder that path lies below, and where
  // the rest of path begins; -1 when none is kept.
  int nearest(std::string_view path, std::size_t& from);
  // Keeps a handle of its own (a duplicate) on the folder at path.
  void keep(std::string_view path, int handle);
  // Closes every handle kept, and keeps at most half as many from then on.
  // False when there was none to give.
  bool giveBack();
  // For a new search: nothing kept, the full capacity again.
  void clear();

private:
  struct Slot {
    std::string path;  // its capacity is reused from folder to folder
    int handle = -1;
    std::uint64_t used = 0;
  };
  std::array<Slot, kCapacity> slots_;
  std::size_t capacity_ = kCapacity;
  std::uint64_t clock_ = 0;
};
