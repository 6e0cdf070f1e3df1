// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <string>

class SearchRoot;

// Reads ahead of a walk: the folders it has queued but not yet entered are
// opened and read on other threads, in queue order and a bounded distance
// ahead, and their listings thrown away, so that the system's caches are warm
// when the walk itself reads them. The walk does not change; nothing here
// ever makes its thread wait.
class ReadAhead {
public:
  // When to read ahead: only while the walk's own reads show a cold cache
  // (the program), or always (tests, which cannot make a cache cold).
  enum class When { Cold, Always };

  virtual ~ReadAhead() = default;
  // A new search from this root; whatever was pending is dropped.
  virtual void begin(const SearchRoot& root) = 0;
  // The walk queued this folder (a full path below the start folder).
  virtual void queued(const std::string& path) = 0;
  // The walk is about to read the next folder of its queue.
  virtual void entering() = 0;
  // It has read it. True when reading ahead has just begun: the walk then
  // hands over its queue, whose front is the folder it has just read.
  virtual bool entered() = 0;
  virtual void backlog(const std::deque<std::string>& queue) = 0;
  // The walk's queue was emptied: what was queued is not read.
  virtual void dropQueued() = 0;
  // The search has ended: nothing more is read for it.
  virtual void stop() = 0;
};
