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
// subfolders of many parents at once. The walk enters subfolders in the
// order it entered their parents, so the folders kept are the earliest
// entered: once a subfolder is opened from its parent, every folder kept
// before that parent is done with and gives its handle back, and a folder
// is kept only where a handle is free. All give theirs back when the system
// runs short of handles.
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
  // Keeps a handle of its own (a duplicate) on the folder at path, where
  // there is room.
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
    std::uint64_t order = 0;  // when it was kept
  };
  void close(Slot& s);

  std::array<Slot, kCapacity> slots_;
  std::size_t capacity_ = kCapacity;
  std::size_t held_ = 0;
  std::uint64_t kept_ = 0;
};
