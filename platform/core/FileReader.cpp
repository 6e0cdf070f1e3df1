#include "platform/core/FileReader.h"

#include <unistd.h>

#include <cerrno>

#include "platform/core/FileSystem.h"
#include "platform/core/SystemErrors.h"

void FileReader::reset(int handle) {
  release();
  handle_ = handle;
}

void FileReader::release() {
  if (handle_ >= 0) ::close(handle_);
  handle_ = -1;
}

FsOutcome FileReader::read(char* into, std::size_t size, std::size_t& got) {
  got = 0;
  if (handle_ < 0) return FsOutcome::Unreadable;
  for (;;) {
    const ssize_t n = ::read(handle_, into, size);
    if (n >= 0) {
      got = static_cast<std::size_t>(n);
      return FsOutcome::Ok;
    }
    if (errno != EINTR) return SystemErrors::outcome(errno);
  }
}
