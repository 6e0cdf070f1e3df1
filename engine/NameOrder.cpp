#include "engine/NameOrder.h"

#include "engine/CaseFold.h"

bool NameOrder::less(std::string_view a, std::string_view b) {
  const int c = CaseFold::compare(a, b);
  if (c != 0) return c < 0;
  return a < b;
}
