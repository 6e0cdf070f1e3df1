#include "platform/FileListing.h"

#include <unistd.h>

FileListing::~FileListing() { release(); }

void FileListing::release() {
  if (handle_ >= 0) ::close(handle_);
  handle_ = -1;
}

void FileListing::reset(int folderHandle) {
  release();
  names_.clear();
  handle_ = folderHandle;
}
