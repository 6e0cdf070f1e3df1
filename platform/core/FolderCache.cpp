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

void FolderCache::close(Slot& s) {
  ::close(s.handle);
  s.handle = -1;
  --held_;
}

int FolderCache::nearest(std::string_view path, std::size_t& from) {
  if (held_ == 0) return -1;
  // The parent first, told by its length before any byte is compared: on a
  // deep chain this is one comparison per folder, not one per kept folder.
  const std::size_t lastSlash = path.rfind('/');
  for (Slot& parent : slots_) {
    if (parent.handle < 0 || lastSlash == std::string_view::npos ||
        (parent.path.size() != lastSlash && parent.path.size() != lastSlash + 1) || !below(parent.path, path, from))
      continue;
    for (Slot& s : slots_)
      if (s.handle >= 0 && s.order < parent.order) close(s);
    return parent.handle;
  }
  const Slot* best = nullptr;
  std::size_t at = 0;
  for (const Slot& s : slots_)
    if (s.handle >= 0 && (!best || s.path.size() > best->path.size()) && below(s.path, path, at)) best = &s;
  if (!best) return -1;
  below(best->path, path, from);
  return best->handle;
}

void FolderCache::keep(std::string_view path, int handle) {
  if (held_ >= capacity_ || path.empty()) return;
  for (Slot& s : slots_) {
    if (s.handle >= 0) continue;
    s.handle = ::fcntl(handle, F_DUPFD_CLOEXEC, 0);
    if (s.handle < 0) return;  // out of handles: the walk goes on without keeping it
    s.path.assign(path);
    s.order = ++kept_;
    ++held_;
    return;
  }
}

bool FolderCache::giveBack() {
  const std::size_t held = held_;
  for (Slot& s : slots_)
    if (s.handle >= 0) close(s);
  capacity_ = held / 2;
  return held > 0;
}

void FolderCache::clear() {
  giveBack();
  capacity_ = kCapacity;
}
