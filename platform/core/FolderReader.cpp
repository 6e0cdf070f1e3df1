// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/FolderReader.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>

FsOutcome FolderReader::identify(int handle, const std::vector<dev_t>& interfaceDevices) {
  struct stat self;
  if (::fstat(handle, &self) != 0) return SystemErrors::outcome(errno);
  device_ = self.st_dev;
  inode_ = self.st_ino;
  const bool isInterface =
      std::find(interfaceDevices.begin(), interfaceDevices.end(), device_) != interfaceDevices.end();
  return isInterface ? FsOutcome::NotListed : FsOutcome::Ok;
}

long FolderReader::fetch(int handle) { return ::syscall(SYS_getdents64, handle, buffer_.data(), buffer_.size()); }

ColdReads::Duration FolderReader::again(int handle, ColdReads::Now now) {
  if (::lseek(handle, 0, SEEK_SET) != 0) return {};
  const auto began = now();
  while (fetch(handle) > 0) {
  }
  return now() - began;
}
