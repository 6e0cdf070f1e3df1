// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ListingPattern.h"

#include "engine/CaseFold.h"

ListingPattern::ListingPattern() = default;

ListingPattern::ListingPattern(std::string_view text) : everything_(false) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    addElement(text.substr(start, end - start));
    start = end + 1;
  }
}

void ListingPattern::addElement(std::string_view element) {
  if (element.empty()) return;
  if (element == "*.*" || element == "*") {
    everything_ = true;
    return;
  }
  // "*.ext", the usual element: one set lookup of the name's extension.
  if (element.size() > 2 && element.substr(0, 2) == "*." && element.find_first_of("*.", 2) == std::string_view::npos) {
    extensions_.insert(CaseFold::folded(element.substr(2)));
    return;
  }
  std::vector<std::uint32_t> keys;
  for (std::size_t i = 0; i < element.size();) {
    if (element[i] == '*') {
      keys.push_back(kStar);
      ++i;
    } else {
      keys.push_back(CaseFold::key(element, i));
    }
  }
  wildcards_.push_back(std::move(keys));
}

bool ListingPattern::matches(std::string_view name) const {
  if (everything_) return true;
  if (!extensions_.empty()) {
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
      scratch_.clear();
      CaseFold::appendFolded(scratch_, name.substr(dot + 1));
      if (extensions_.find(std::string_view(scratch_)) != extensions_.end()) return true;
    }
  }
  if (wildcards_.empty()) return false;
  nameKeys_.clear();
  for (std::size_t i = 0; i < name.size();) nameKeys_.push_back(CaseFold::key(name, i));
  for (const std::vector<std::uint32_t>& element : wildcards_)
    if (wildcardMatch(element, nameKeys_)) return true;
  return false;
}

// Iterative star matching with backtracking to the last star, character by
// character (a byte that is not UTF-8 is a character of its own): linear in
// practice, never exponential.
bool ListingPattern::wildcardMatch(const std::vector<std::uint32_t>& pattern, const std::vector<std::uint32_t>& name) {
  const std::size_t none = std::size_t(-1);
  std::size_t p = 0, n = 0, starP = none, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == kStar) {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p;
      ++n;
    } else if (starP != none) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == kStar) ++p;
  return p == pattern.size();
}
