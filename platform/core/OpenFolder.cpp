// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/OpenFolder.h"

#include <unistd.h>

void OpenFolder::reset(int handle) {
  if (handle_ >= 0) ::close(handle_);
  handle_ = handle;
}
