// Listing patterns against the plain reference: a pattern, a zero byte, a name.
#include <cstdlib>
#include <functional>

#include "FuzzKeys.h"
#include "engine/ListingPattern.h"

namespace {
// Star matching the slow way: by recursion over what the star takes.
bool glob(std::string_view pattern, const std::vector<std::uint32_t>& name) {
  std::vector<std::uint32_t> keys;
  std::vector<bool> star;
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern[i] == '*') {
      keys.push_back(0);
      star.push_back(true);
      ++i;
      continue;
    }
    const std::size_t from = i;
    const auto one = referenceKeys(pattern.substr(from));  // the first key, and how far it reached
    std::size_t length = 1;
    const auto b = static_cast<unsigned char>(pattern[from]);
    if (b >= 0x80 && one.front() < 0x110000) length = std::size_t(sequenceLength(b));
    keys.push_back(one.front());
    star.push_back(false);
    i += length;
  }
  std::vector<std::vector<int>> memo(keys.size() + 1, std::vector<int>(name.size() + 1, -1));
  std::function<bool(std::size_t, std::size_t)> match = [&](std::size_t p, std::size_t n) -> bool {
    int& known = memo[p][n];
    if (known >= 0) return known;
    bool result;
    if (p == keys.size()) result = n == name.size();
    else if (star[p]) result = match(p + 1, n) || (n < name.size() && match(p, n + 1));
    else result = n < name.size() && keys[p] == name[n] && match(p + 1, n + 1);
    known = result;
    return result;
  };
  return match(0, 0);
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
