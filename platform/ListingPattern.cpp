#include "platform/ListingPattern.h"

namespace {
inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

std::string lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = lowerAscii(c);
  return out;
}

bool endsWithIgnoringCase(std::string_view name, std::string_view lowerTail) {
  if (name.size() < lowerTail.size()) return false;
  const size_t off = name.size() - lowerTail.size();
  for (size_t i = 0; i < lowerTail.size(); ++i)
    if (lowerAscii(name[off + i]) != lowerTail[i]) return false;
  return true;
}
}  // namespace

ListingPattern::ListingPattern() : text_("*.*") {}

ListingPattern::ListingPattern(std::string_view text) : text_(text), everything_(false) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view element = text.substr(start, end - start);
    if (element == "*.*" || element == "*") {
      everything_ = true;
    } else if (!element.empty()) {
      std::string low = lowered(element);
      if (low.size() > 1 && low[0] == '*' && low.find('*', 1) == std::string::npos)
        suffixes_.push_back(low.substr(1));
      else
        elements_.push_back(std::move(low));
    }
    start = end + 1;
  }
}

bool ListingPattern::matches(std::string_view name) const {
  if (everything_) return true;
  for (const std::string& tail : suffixes_)
    if (endsWithIgnoringCase(name, tail)) return true;
  for (const std::string& element : elements_)
    if (wildcardMatch(element, name)) return true;
  return false;
}

// Iterative star matching with backtracking to the last star: linear in
// practice, never exponential.
bool ListingPattern::wildcardMatch(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && pattern[p] == lowerAscii(name[n])) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}
