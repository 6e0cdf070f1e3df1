// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string_view>

#include "engine/CaseFold.h"

// The listing order worked out the slow way, one character key at a time, to
// hold the listing's sort keys against: by name without regard to case, bytes
// that are not UTF-8 after every character, then by raw bytes.
namespace NameOrder {
// <0, 0 or >0 for the folded forms.
inline int compareFolded(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const std::uint32_t ka = CaseFold::key(a, i), kb = CaseFold::key(b, j);
    if (ka != kb) return ka < kb ? -1 : 1;
  }
  return int(i < a.size()) - int(j < b.size());
}

inline bool less(std::string_view a, std::string_view b) {
  const int c = compareFolded(a, b);
  return c != 0 ? c < 0 : a < b;
}
}  // namespace NameOrder
