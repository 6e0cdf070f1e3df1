// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <dirent.h>
#include <sys/types.h>

#include <cerrno>
#include <cstddef>
#include <vector>

#include "platform/core/FsOutcome.h"
#include "platform/core/LinuxReadAhead.h"
#include "platform/core/SystemErrors.h"

// The one directory read, for the walk and the read-ahead's workers alike:
// an open folder's identity is taken and a kernel interface file system
// refused, then its entries are read to their end with getdents64 in large
// batches. Only the system calls are timed: what is done with the entries
// costs the same on a cold cache as on a warm one. One reader per thread.
class FolderReader {
public:
  static constexpr std::size_t kBatchBytes = std::size_t{64} * 1024;

  FolderReader() : buffer_(kBatchBytes) {}

  // Takes the folder's identity; NotListed when it lies on one of
  // interfaceDevices, which are never read.
  FsOutcome identify(int handle, const std::vector<dev_t>& interfaceDevices);
  dev_t device() const { return device_; }
  ino_t inode() const { return inode_; }

  // Reads the identified folder to its end: each(name, d_type) for every
  // visible entry (hidden ones, "." and ".." are never shown). When each
  // returns false the read ends at once, as Ok, and touches nothing of this
  // reader again: a read run meanwhile on it keeps its results.
  template <typename Each>
  FsOutcome read(int handle, ColdReads::Now now, Each each);
  // Of the last read to its end: what its system calls took, and how many
  // entries of all kinds they gave.
  ColdReads::Duration took() const { return took_; }
  unsigned entries() const { return entries_; }
  // The same folder read once more from its start, now from the caches:
  // what that costs. Zero where it cannot be read again.
  ColdReads::Duration again(int handle, ColdReads::Now now);

private:
  long fetch(int handle);  // bytes of entries, 0 at the end, -1 with errno

  std::vector<char> buffer_;  // reused for every folder
  dev_t device_ = 0;
  ino_t inode_ = 0;
  ColdReads::Duration took_{};
  unsigned entries_ = 0;
};

template <typename Each>
FsOutcome FolderReader::read(int handle, ColdReads::Now now, Each each) {
  ColdReads::Duration took{};
  unsigned entries = 0;
  for (;;) {
    const auto began = now();
    const long n = fetch(handle);
    took += now() - began;
    if (n < 0) return SystemErrors::outcome(errno);
    if (n == 0) break;
    for (long off = 0; off < n; ++entries) {
      const auto* entry = reinterpret_cast<const struct dirent64*>(buffer_.data() + off);
      off += entry->d_reclen;
      if (entry->d_name[0] == '.') continue;
      if (!each(static_cast<const char*>(entry->d_name), entry->d_type)) return FsOutcome::Ok;
    }
  }
  took_ = took;
  entries_ = entries;
  return FsOutcome::Ok;
}
