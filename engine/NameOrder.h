#pragma once
#include <string_view>

// Listing order: by name without regard to case (CaseFold), then by raw
// bytes, so the order is total and stable from one run to the next.
namespace NameOrder {
bool less(std::string_view a, std::string_view b);
}  // namespace NameOrder
