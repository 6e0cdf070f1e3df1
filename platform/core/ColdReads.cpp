#include "platform/core/ColdReads.h"

bool ColdReads::add(Duration read, unsigned entries) {
  if (slow(read, entries)) ++slowReads_;
  if (slowReads_ >= kSlowInWindow) {
    reset();
    return true;
  }
  if (++reads_ == kWindow) reset();
  return false;
}
