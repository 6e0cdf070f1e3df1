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
  std::string folded = CaseFold::folded(element);
  const bool oneLeadingStar = folded.size() > 1 && folded[0] == '*' && folded.find('*', 1) == std::string::npos;
  if (oneLeadingStar && folded[1] == '.' && folded.find('.', 2) == std::string::npos && folded.size() > 2)
    extensions_.insert(folded.substr(2));
  else if (oneLeadingStar)
    suffixes_.push_back(folded.substr(1));
  else
    wildcards_.push_back(std::move(folded));
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
  if (suffixes_.empty() && wildcards_.empty()) return false;
  scratch_.clear();
  CaseFold::appendFolded(scratch_, name);
  const std::string_view folded(scratch_);
  for (const std::string& tail : suffixes_)
    if (folded.size() >= tail.size() && folded.substr(folded.size() - tail.size()) == tail) return true;
  for (const std::string& element : wildcards_)
    if (wildcardMatch(element, folded)) return true;
  return false;
}

// Iterative star matching with backtracking to the last star: linear in
// practice, never exponential. Both sides are folded already.
bool ListingPattern::wildcardMatch(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && pattern[p] == name[n]) {
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
