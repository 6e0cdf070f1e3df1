// SPDX-License-Identifier: GPL-3.0-or-later
// Listing patterns against the plain reference: a pattern, a zero byte, a name.
#include <cstdlib>

#include "FuzzKeys.h"
#include "engine/ListingPattern.h"

namespace {
// Star matching the slow way: the set of name lengths each pattern prefix can take.
bool glob(std::string_view pattern, const std::vector<std::uint32_t>& name) {
  std::vector<bool> can(name.size() + 1, false);
  can[0] = true;
  for (std::size_t i = 0; i < pattern.size();) {
    std::vector<bool> next(name.size() + 1, false);
    if (pattern[i] == '*') {
      for (std::size_t n = 0; n <= name.size(); ++n) next[n] = can[n] || (n > 0 && next[n - 1]);
      ++i;
    } else {
      const std::uint32_t key = referenceKeys(pattern.substr(i)).front();  // its first key
      const auto b = static_cast<unsigned char>(pattern[i]);
      i += b >= 0x80 && key < 0x110000 ? std::size_t(sequenceLength(b)) : 1;
      for (std::size_t n = 1; n <= name.size(); ++n) next[n] = can[n - 1] && name[n - 1] == key;
    }
    can = std::move(next);
  }
  return can[name.size()];
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 512) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = input.find('\0');
  if (cut == std::string_view::npos) return 0;
  const std::string_view pattern = input.substr(0, cut), name = input.substr(cut + 1);
  const auto nameKeys = referenceKeys(name);
  bool expected = false;
  for (std::size_t start = 0; start <= pattern.size();) {
    std::size_t end = pattern.find(';', start);
    if (end == std::string_view::npos) end = pattern.size();
    const std::string_view element = pattern.substr(start, end - start);
    if (element == "*.*" || (!element.empty() && glob(element, nameKeys))) expected = true;
    start = end + 1;
  }
  if (ListingPattern(pattern).matches(name) != expected) std::abort();
  return 0;
}
