// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ResultOrder.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>

#include "engine/CaseFold.h"
#include "engine/ResultList.h"

namespace {
using Records = std::vector<std::uint32_t>;

// Sort keys made once per text, in one buffer: a fold per text, not per
// comparison. The first sixteen bytes of each, as two numbers, settle nearly
// every comparison without a look into the buffer (keys hold no zero byte,
// so a short key padded with zeros still comes first).
struct Keys {
  std::string bytes;
  std::vector<std::uint32_t> ends;
  std::string_view operator[](std::size_t i) const {
    const std::uint32_t from = i == 0 ? 0 : ends[i - 1];
    return std::string_view(bytes).substr(from, ends[i] - from);
  }
};

struct Sorting {
  std::uint64_t high, low;  // the key's first sixteen bytes
  std::uint32_t index;
};

std::uint64_t wordAt(std::string_view key, std::size_t from) {
  std::uint64_t word = 0;
  for (std::size_t i = from; i < from + 8; ++i) word = word << 8 | (i < key.size() ? std::uint8_t(key[i]) : 0);
  return word;
}

// Ties go by raw bytes, then by the order found.
template <typename Text>
void sortByName(Records& order, Text text) {
  Keys keys;
  keys.ends.reserve(order.size());
  std::vector<Sorting> sorting;
  sorting.reserve(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    CaseFold::appendSortKey(keys.bytes, text(order[i]));
    keys.ends.push_back(std::uint32_t(keys.bytes.size()));
    sorting.push_back({wordAt(keys[i], 0), wordAt(keys[i], 8), std::uint32_t(i)});
  }
  std::sort(sorting.begin(), sorting.end(), [&](const Sorting& a, const Sorting& b) {
    if (a.high != b.high) return a.high < b.high;
    if (a.low != b.low) return a.low < b.low;
    if (const int byKey = keys[a.index].compare(keys[b.index]); byKey != 0) return byKey < 0;
    if (const int byBytes = text(order[a.index]).compare(text(order[b.index])); byBytes != 0) return byBytes < 0;
    return a.index < b.index;
  });
  Records sorted(order.size());
  for (std::size_t i = 0; i < sorting.size(); ++i) sorted[i] = order[sorting[i].index];
  order.swap(sorted);
}

// By a number per record, ties in the order found: pairs in one array sort
// faster than indexes that look their numbers up.
template <typename Number>
Records byNumber(std::size_t count, Number number) {
  std::vector<std::pair<std::int64_t, std::uint32_t>> numbered(count);
  for (std::size_t i = 0; i < count; ++i) numbered[i] = {number(i), std::uint32_t(i)};
  std::sort(numbered.begin(), numbered.end());
  Records order(count);
  for (std::size_t i = 0; i < count; ++i) order[i] = numbered[i].second;
  return order;
}
}  // namespace

std::vector<std::uint32_t> ResultOrder::sorted(const ResultList& results, Key key) {
  if (key == Key::Size) return byNumber(results.size(), [&](std::size_t i) { return results.fileSize(i); });
  if (key == Key::Time) return byNumber(results.size(), [&](std::size_t i) { return results.fileTime(i); });
  if (key == Key::Folder) {  // folders are few beside records: each is ranked once
    Records folders(results.folderCount());
    std::iota(folders.begin(), folders.end(), 0u);
    sortByName(folders, [&](std::size_t f) { return std::string_view(results.folderAt(f)); });
    std::vector<std::int64_t> rank(folders.size());
    for (std::size_t r = 0; r < folders.size(); ++r) rank[folders[r]] = std::int64_t(r);
    return byNumber(results.size(), [&](std::size_t i) { return rank[results.folderIndex(i)]; });
  }
  Records order(results.size());
  std::iota(order.begin(), order.end(), 0u);
  sortByName(order, [&](std::size_t i) { return results.name(i); });
  return order;
}
