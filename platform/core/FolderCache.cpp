// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/FolderCache.h"

#include <fcntl.h>
#include <unistd.h>

namespace {
// Whether path lies strictly below folder; from: where the rest begins.
bool below(const std::string& folder, std::string_view path, std::size_t& from) {
  if (folder.size() >= path.size() || path.compare(0, folder.size(), folder) != 0) return false;
  from = folder.size();
  if (folder.back() == '/') return true;
  return path[from++] == '/';
}
}  // namespace

int FolderCache::nearest(std::string_view path, std::size_t& from) {
  // The parent first, told by its length before any byte is compared: on a
  // deep chain this is one comparison per folder, not one per kept folder.
  const std::size_t lastSlash = path.rfind('/');
  Slot* best = nullptr;
  for (Slot& s : slots_) {
    if (s.handle >= 0 && lastSlash != std::string_view::npos &&
        (s.path.size() == lastSlash || s.path.size() == lastSlash + 1) && below(s.path, path, from)) {
      best = &s;
      break;
    }
  }
  if (!best) {
    std::size_t at = 0;
    for (Slot& s : slots_)
      if (s.handle >= 0 && (!best || s.path.size() > best->path.size()) && below(s.path, path, at)) best = &s;
    if (!best) return -1;
    below(best->path, path, from);
  }
  best->used = ++clock_;
  return best->handle;
}

void FolderCache::keep(std::string_view path, int handle) {
  if (capacity_ == 0 || path.empty()) return;
  Slot* free = nullptr;
  Slot* oldest = nullptr;
  std::size_t held = 0;
  for (Slot& s : slots_) {
    if (s.handle < 0) {
      if (!free) free = &s;
      continue;
    }
    ++held;
    if (!oldest || s.used < oldest->used) oldest = &s;
  }
  Slot* slot = free && held < capacity_ ? free : oldest;
  const int own = ::fcntl(handle, F_DUPFD_CLOEXEC, 0);
  if (own < 0) return;  // out of handles: the walk goes on without keeping it
  if (slot->handle >= 0) ::close(slot->handle);
  slot->path.assign(path);
  slot->handle = own;
  slot->used = ++clock_;
}

bool FolderCache::giveBack() {
  std::size_t held = 0;
  for (Slot& s : slots_) {
    if (s.handle < 0) continue;
    ::close(s.handle);
    s.handle = -1;
    ++held;
  }
  capacity_ = held / 2;
  return held > 0;
}

void FolderCache::clear() {
  giveBack();
  capacity_ = kCapacity;
}
