#include "engine/NameList.h"

#include <algorithm>

#include "engine/NameOrder.h"

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

void NameList::sort() {
  const char* base = buffer_.data();
  std::sort(entries_.begin(), entries_.end(), [base](const Entry& a, const Entry& b) {
    return NameOrder::less({base + a.offset, a.length}, {base + b.offset, b.length});
  });
}
