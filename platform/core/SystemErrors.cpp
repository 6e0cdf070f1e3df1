#include "platform/core/SystemErrors.h"

#include <cerrno>

#include "platform/core/FileSystem.h"

FsOutcome SystemErrors::outcome(int error) {
  switch (error) {
    case EMFILE:
    case ENFILE: return FsOutcome::OutOfHandles;
    case ENOMEM: return FsOutcome::OutOfMemory;
    default: return FsOutcome::Unreadable;
  }
}
