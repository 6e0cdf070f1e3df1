// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Listing.h"

#include <algorithm>

#include "engine/CaseFold.h"
#include "engine/NameTest.h"
#include "engine/UnreadableLog.h"
#include "platform/core/PathName.h"

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
// fold per comparison.
bool NameList::sort(const std::function<bool()>& yield) {
  keys_.clear();
  sorting_.clear();
  sorting_.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (i % kRun == kRun - 1 && !yield()) return false;
    const Entry& e = entries_[i];
    const auto from = static_cast<std::uint32_t>(keys_.size());
    CaseFold::appendSortKey(keys_, {buffer_.data() + e.offset, e.length});
    sorting_.push_back(Sorted{from, static_cast<std::uint32_t>(keys_.size()) - from, e});
  }
  const char* keys = keys_.data();
  const char* names = buffer_.data();
  const auto less = [keys, names](const Sorted& a, const Sorted& b) {
    const int byKey = std::string_view(keys + a.keyOffset, a.keyLength).compare({keys + b.keyOffset, b.keyLength});
    if (byKey != 0) return byKey < 0;
    return std::string_view(names + a.entry.offset, a.entry.length) <
           std::string_view(names + b.entry.offset, b.entry.length);
  };
  const std::size_t n = sorting_.size();
  for (std::size_t from = 0; from < n; from += kRun) {
    if (from > 0 && !yield()) return false;
    std::sort(sorting_.begin() + from, sorting_.begin() + std::min(n, from + kRun), less);
  }
  // Bottom-up merges of neighbouring runs, each pass from sorting_ into merged_.
  merged_.resize(n);
  std::size_t moved = 0;
  for (std::size_t width = kRun; width < n; width *= 2) {
    for (std::size_t low = 0; low < n; low += 2 * width) {
      const std::size_t middle = std::min(n, low + width), high = std::min(n, low + 2 * width);
      std::size_t a = low, b = middle;
      for (std::size_t out = low; out < high; ++out) {
        if (++moved % kRun == 0 && !yield()) return false;
        const bool fromA = b == high || (a < middle && !less(sorting_[b], sorting_[a]));
        merged_[out] = fromA ? sorting_[a++] : sorting_[b++];
      }
    }
    sorting_.swap(merged_);
  }
  for (std::size_t i = 0; i < n; ++i) entries_[i] = sorting_[i].entry;
  return true;
}

std::string FolderListing::folderPath(std::size_t i) const { return PathName::join(path_, names_.at(i)); }

void FolderListing::reset(std::string_view path) {
  path_.assign(path);
  names_.clear();
}

void FolderListing::freeMemory() {
  path_ = std::string();
  names_ = NameList();
}

void FileListing::clear() {
  folder_.release();
  names_.clear();
}

void FileListing::freeMemory() {
  folder_.release();
  names_ = NameList();
}

// A folder of many thousands of names lets events in as it is read.
void ListingSink::counted() {
  if (++entries_ % kEntriesPerYield != 0) return;
  if (!yield_()) abandon();
}

void ListingSink::addFolder(std::string_view name) {
  folder_.add(name);
  counted();
}

void ListingSink::addFile(std::string_view name, bool isLink) {
  if (!names_ || names_->matches(name, *matchCase_)) files_.offer(name, isLink);
  counted();
}

void ListingSink::addUnreadable(std::string_view name, FsOutcome why) {
  log_.addFile(PathName::join(folder_.path(), name), why);
}
