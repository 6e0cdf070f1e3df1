// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ContentMatcher.h"

#include <algorithm>
#include <climits>

#include "engine/CaseFold.h"

namespace {
// How often each byte comes in files at large: bytes per 64 KiB of a mix of
// English text, source code and executables in equal parts (at least 1). The
// scan looks for the characters of the text whose bytes are rarest.
// A row for each first hex digit.
// clang-format off
constexpr std::uint16_t kBytesPer64KiB[256] = {
    4949, 358, 129, 106, 134, 139, 65, 70, 229, 176, 1069, 49, 49, 57, 90, 350,
    161, 66, 56, 32, 43, 51, 30, 28, 91, 25, 25, 26, 31, 28, 25, 102,
    6363, 35, 113, 197, 540, 57, 51, 73, 518, 491, 515, 43, 384, 315, 421, 694,
    330, 377, 235, 175, 155, 190, 126, 112, 160, 243, 277, 175, 114, 156, 101, 18,
    132, 513, 157, 358, 363, 563, 171, 168, 1404, 514, 39, 79, 529, 207, 358, 328,
    307, 25, 341, 588, 466, 168, 85, 65, 140, 74, 42, 173, 105, 178, 24, 1498,
    209, 1489, 461, 1157, 1111, 2965, 721, 466, 814, 1765, 121, 254, 980, 702, 1732, 1743,
    918, 49, 1522, 1717, 2528, 797, 246, 228, 218, 361, 60, 74, 94, 84, 22, 23,
    79, 27, 29, 156, 177, 194, 16, 13, 40, 574, 14, 501, 26, 340, 15, 14,
    66, 15, 11, 12, 25, 16, 11, 10, 23, 11, 10, 10, 13, 12, 9, 12,
    34, 10, 16, 13, 19, 12, 11, 9, 21, 10, 13, 11, 15, 11, 10, 11,
    32, 10, 10, 11, 20, 16, 38, 17, 35, 19, 37, 16, 49, 37, 37, 36,
    155, 43, 32, 94, 39, 30, 49, 121, 30, 26, 16, 12, 14, 13, 14, 15,
    59, 18, 35, 15, 14, 15, 14, 15, 34, 15, 18, 27, 14, 14, 23, 68,
    49, 16, 23, 13, 23, 18, 25, 40, 425, 115, 25, 64, 31, 26, 25, 58,
    50, 18, 28, 32, 32, 28, 60, 57, 91, 39, 49, 59, 57, 71, 117, 1158,
};
// clang-format on

int sequenceLength(unsigned char first) {
  return first >= 0xF0 && first <= 0xF4 ? 4 : first >= 0xE0 && first <= 0xEF ? 3 : first >= 0xC2 ? 2 : 1;
}

// The bytes every form of a character takes, or 0 when its forms differ in
// length (past it, the byte offset of what follows is not known).
int fixedLength(std::uint32_t key, const std::string& firstBytes) {
  if (key >= 0x110000) return 1;  // a byte that is not UTF-8: itself
  int length = 0;
  for (char b : firstBytes) {
    const int l = sequenceLength(static_cast<unsigned char>(b));
    if (length != 0 && l != length) return 0;
    length = l;
  }
  return length;
}
}  // namespace

void ContentMatcher::prepare(std::string_view text, Compare compare) {
  text_.assign(text);
  keys_.clear();
  longest_ = 0;
  bool byteByByte = compare == Compare::Fastest && CaseFold::isAscii(text);
  for (std::size_t i = 0; i < text.size();) {
    keys_.push_back(CaseFold::key(text, i));
    const int longest = CaseFold::longestForm(keys_.back());
    longest_ += std::size_t(longest);
    byteByByte = byteByByte && longest == 1;  // no "k" or "s": the Kelvin sign and the long s fold to them
  }
  needsZeros_ = keys_.empty() || text.find('\0') != std::string_view::npos;
  asciiFolded_.clear();
  if (byteByByte) asciiFolded_ = CaseFold::folded(text);
  findAnchors();
  if (!keys_.empty()) choosePair(nullptr, 0);
  reset();
}

// The anchors: the first characters whose byte offset in any match is
// known, that is, that only characters of a fixed length come before.
void ContentMatcher::findAnchors() {
  anchors_.clear();
  std::size_t offset = 0;
  for (std::size_t j = 0; j < keys_.size() && j < 32; ++j) {
    std::string first = CaseFold::firstBytes(keys_[j]);
    const int length = fixedLength(keys_[j], first);
    long commonness = 0;
    for (char b : first) commonness += kBytesPer64KiB[static_cast<unsigned char>(b)];
    if (first.size() <= 8) anchors_.push_back({offset, std::move(first), commonness});
    if (length == 0) break;
    offset += std::size_t(length);
  }
}

// The two anchors rarest in the sample (none: in files at large). When the
// rarer is under one byte in 256 of the sample, the scan looks for it first.
void ContentMatcher::choosePair(const char* sample, std::size_t size) {
  std::uint32_t counts[256] = {};
  for (std::size_t i = 0; i < size; ++i) ++counts[static_cast<unsigned char>(sample[i])];
  const auto seen = [&](const Anchor& anchor) {
    std::uint64_t n = 0;
    for (char b : anchor.bytes) n += counts[static_cast<unsigned char>(b)];
    return n;
  };
  const auto rarer = [&](const Anchor& x, const Anchor& y) {
    const std::uint64_t nx = seen(x), ny = seen(y);
    return nx != ny ? nx < ny : x.commonness < y.commonness;
  };
  const Anchor* best[2] = {nullptr, nullptr};
  for (const Anchor& anchor : anchors_) {
    if (!best[0] || rarer(anchor, *best[0])) best[1] = best[0], best[0] = &anchor;
    else if (!best[1] || rarer(anchor, *best[1])) best[1] = &anchor;
  }
  if (!best[1]) best[1] = best[0];  // a single character: both sides look at it
  pair_.setFirst(best[0]->offset, best[0]->bytes);
  pair_.setSecond(best[1]->offset, best[1]->bytes);
  pair_.rareFirst = size > 0 && seen(*best[0]) * 256 < size;
}

void ContentMatcher::reset() {
  carry_.clear();
  found_ = false;
  chosenForStream_ = false;
}

bool ContentMatcher::matchesAt(const char* data, std::size_t size, std::size_t start) const {
  if (!asciiFolded_.empty()) {
    if (size - start < asciiFolded_.size()) return false;
    for (std::size_t k = 0; k < asciiFolded_.size(); ++k)
      if (CaseFold::lowerAscii(data[start + k]) != asciiFolded_[k]) return false;
    return true;
  }
  const std::string_view in(data, size);
  std::size_t i = start;
  for (const std::uint32_t wanted : keys_) {
    if (i >= size) return false;
    const auto b = static_cast<unsigned char>(data[i]);
    if (b < 0x80) {  // the usual case, without a call
      if (std::uint32_t(CaseFold::lowerAscii(char(b))) != wanted) return false;
      ++i;
    } else if (CaseFold::key(in, i) != wanted) {
      return false;
    }
  }
  return true;
}

struct ContentMatcher::Place {
  const ContentMatcher* matcher;
  const char* data;
  std::size_t size;
};

// Looks for a match starting before end; its bytes lie within data[0, size).
bool ContentMatcher::scan(const char* data, std::size_t size, std::size_t end) {
  const std::size_t reach = pair_.reach();
  if (size <= reach) return false;
  const std::size_t to = std::min(end, size - reach);
  const Place place{this, data, size};
  const BytePair::Check check = [](const void* context, std::size_t start) {
    const auto& p = *static_cast<const Place*>(context);
    return p.matcher->matchesAt(p.data, p.size, start);
  };
  if (pair_.find(reinterpret_cast<const unsigned char*>(data), 0, to, check, &place) < to) found_ = true;
  return found_;
}

bool ContentMatcher::feed(const char* data, std::size_t size) {
  if (found_ || size == 0) return found_;
  if (keys_.empty()) return found_ = true;
  if (!chosenForStream_) {  // dense text can lack what prose is full of: its first bytes tell
    chosenForStream_ = true;
    choosePair(data, std::min<std::size_t>(size, 4096));
  }
  const std::size_t keep = longest_ - 1;  // a match starting in the last bytes may go on in the next chunk
  if (carry_.size() + size <= 2 * longest_ + 4096) {
    carry_.append(data, size);
    if (carry_.size() <= keep) return false;
    if (scan(carry_.data(), carry_.size(), carry_.size() - keep)) return true;
    carry_.erase(0, carry_.size() - keep);
    return false;
  }
  // The edge between the last chunk and this one, then this chunk itself.
  if (!carry_.empty()) {
    const std::size_t starts = carry_.size();
    carry_.append(data, std::min(size, keep));
    if (scan(carry_.data(), carry_.size(), starts)) return true;
  }
  if (scan(data, size, size - keep)) return true;
  carry_.assign(data + size - keep, keep);
  return false;
}

void ContentMatcher::gap() {
  // Zeros cannot be part of a text without them: what was carried ends here.
  if (!found_ && !carry_.empty() && !keys_.empty()) scan(carry_.data(), carry_.size(), carry_.size());
  carry_.clear();
}

bool ContentMatcher::finish() {
  if (!found_ && !keys_.empty() && !carry_.empty()) scan(carry_.data(), carry_.size(), carry_.size());
  carry_.clear();
  return found_;
}
