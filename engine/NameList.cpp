#include "engine/NameList.h"

#include <algorithm>

#include "engine/CaseFold.h"

void NameList::clear() {
  buffer_.clear();
  entries_.clear();
}

void NameList::add(std::string_view name, std::uint8_t tag) {
  const auto offset = static_cast<std::uint32_t>(buffer_.size());
  buffer_.insert(buffer_.end(), name.begin(), name.end());
  buffer_.push_back('\0');
  entries_.push_back(Entry{offset, static_cast<std::uint32_t>(name.size()), tag});
}

// Each name's sort key is made once (CaseFold::appendSortKey), so that a
// folder of 200,000 names costs one fold per name and byte comparisons, not a
// fold per comparison. The order is NameOrder's.
void NameList::sort() {
  keys_.clear();
  sorting_.clear();
  sorting_.reserve(entries_.size());
  for (const Entry& e : entries_) {
    const auto from = static_cast<std::uint32_t>(keys_.size());
    CaseFold::appendSortKey(keys_, {buffer_.data() + e.offset, e.length});
    sorting_.push_back(Sorted{from, static_cast<std::uint32_t>(keys_.size()) - from, e});
  }
  const char* keys = keys_.data();
  const char* names = buffer_.data();
  std::sort(sorting_.begin(), sorting_.end(), [keys, names](const Sorted& a, const Sorted& b) {
    const int byKey = std::string_view(keys + a.keyOffset, a.keyLength).compare({keys + b.keyOffset, b.keyLength});
    if (byKey != 0) return byKey < 0;
    return std::string_view(names + a.entry.offset, a.entry.length) <
           std::string_view(names + b.entry.offset, b.entry.length);
  });
  for (std::size_t i = 0; i < sorting_.size(); ++i) entries_[i] = sorting_[i].entry;
}
