#include "platform/core/ColdReads.h"

void ColdReads::warm(Duration read, unsigned entries) {
  const double cost = perEntry(read, entries);
  if (cost > 0 && (warmCost_ <= 0 || cost < warmCost_)) warmCost_ = cost;
}

bool ColdReads::add(Duration read, unsigned entries) {
  if (slow(read, entries, warmCost_)) ++slowReads_;
  else warm(read, entries);
  if (slowReads_ >= kSlowInWindow) {
    reads_ = slowReads_ = 0;
    return true;
  }
  if (++reads_ == kWindow) reads_ = slowReads_ = 0;
  return false;
}
