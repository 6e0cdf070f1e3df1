// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// Which of a file's times a search reads.
enum class FileTime { Modified, Created, Accessed };

// What the one lookup of a matching file tells: its size and the chosen time
// (seconds since the epoch). A file system that records no birth time leaves
// hasTime false for Created.
struct FileFacts {
  std::int64_t size = 0;
  std::int64_t time = 0;
  bool hasTime = false;
};
