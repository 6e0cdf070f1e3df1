#pragma once
#include <string_view>

// Listing order: by name without regard to case, then by raw bytes, so the
// order is total and stable from one run to the next.
class NameOrder {
public:
  static bool less(std::string_view a, std::string_view b);
  // <0, 0, >0 ignoring case only (Unicode-aware beyond ASCII).
  static int compareIgnoringCase(std::string_view a, std::string_view b);
};
