// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sys/types.h>
#include <QByteArray>

#include <string>

// A small file read whole, that is only ever a regular file: a read never
// waits on a FIFO or a device (SaveFile replaces it, with the same rule).
namespace SettingsFile {
// What stood at a path (after its links), to tell whether it changed; all
// zero where nothing could be found.
struct Stamp {
  dev_t device = 0;
  ino_t inode = 0;
  mode_t mode = 0;
  off_t size = 0;
  long long seconds = 0;
  long nanoseconds = 0;
  bool operator==(const Stamp&) const = default;
};
enum class Outcome { Read, Absent, Unreadable };  // Unreadable: not a regular file, or no access
struct Contents {
  Outcome outcome = Outcome::Unreadable;
  QByteArray bytes;
  Stamp stamp;
};

Stamp stampOf(const std::string& path);
Contents read(const std::string& path);
}  // namespace SettingsFile
