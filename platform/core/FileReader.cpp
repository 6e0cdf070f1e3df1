// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/FileReader.h"

#include <unistd.h>

#include <cerrno>

#include "platform/core/FsOutcome.h"
#include "platform/core/SystemErrors.h"

void FileReader::reset(int handle) {
  release();
  handle_ = handle;
  skipHoles_ = passedHole_ = false;
}

void FileReader::release() {
  if (handle_ >= 0) ::close(handle_);
  handle_ = -1;
}

// Moves to the next data past a hole; at the end, or where the file system
// cannot tell, nothing moves and the read goes on as usual.
void FileReader::passHole() {
  const off_t here = ::lseek(handle_, 0, SEEK_CUR);
  if (here < 0) return;
  const off_t data = ::lseek(handle_, here, SEEK_DATA);
  if (data > here) passedHole_ = true;
  else if (data < 0 && errno == ENXIO) {  // only a hole is left: to the end
    const off_t end = ::lseek(handle_, 0, SEEK_END);
    passedHole_ = end > here;
  } else if (data < 0) {
    ::lseek(handle_, here, SEEK_SET);
  }
}

FsOutcome FileReader::read(char* into, std::size_t size, std::size_t& got) {
  got = 0;
  passedHole_ = false;
  if (handle_ < 0) return FsOutcome::Unreadable;
  if (skipHoles_) passHole();
  for (;;) {
    const ssize_t n = ::read(handle_, into, size);
    if (n >= 0) {
      got = static_cast<std::size_t>(n);
      return FsOutcome::Ok;
    }
    if (errno != EINTR) return SystemErrors::outcome(errno);
  }
}

long long FileReader::seek(long long offset, int whence) {
  return handle_ < 0 ? -1 : ::lseek(handle_, off_t(offset), whence);
}
