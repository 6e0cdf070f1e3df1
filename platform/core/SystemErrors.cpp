// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SystemErrors.h"

#include <cerrno>

#include "platform/core/FsOutcome.h"

FsOutcome SystemErrors::outcome(int error) {
  switch (error) {
    case EMFILE:
    case ENFILE: return FsOutcome::OutOfHandles;
    case ENOMEM: return FsOutcome::OutOfMemory;
    case EACCES:
    case EPERM: return FsOutcome::Denied;
    case ENOENT:
    case ENOTDIR: return FsOutcome::Vanished;
    default: return FsOutcome::Unreadable;
  }
}
