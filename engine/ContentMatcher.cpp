#include "engine/ContentMatcher.h"

#include <algorithm>
#include <cstring>

#include "engine/CaseFold.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// How common a byte is in files at large: text letters by English use, the
// blank, the line end and the zero byte of binaries. The scan looks for the
// character of the text whose first bytes are rarest.
int commonness(unsigned char b) {
  static const char byUse[] = " \0"
                              "etaoinsrhldcu\n.mfpgwybv,\xff";
  const char* const end = byUse + sizeof byUse - 1;
  const char lower = CaseFold::lowerAscii(char(b));
  for (const char* p = byUse; p < end; ++p)
    if (*p == lower) return int(end - p) * 4 + (b != static_cast<unsigned char>(lower) ? 0 : 2);
  return 1;
}

// The first place in [from, to) holding one of the set's bytes, or to.
std::size_t findAny(const unsigned char* p, std::size_t from, std::size_t to, const unsigned char* set, int count) {
  std::size_t i = from;
  if (count == 1) {
    const void* hit = i < to ? std::memchr(p + i, set[0], to - i) : nullptr;
    return hit ? std::size_t(static_cast<const unsigned char*>(hit) - p) : to;
  }
#if defined(__SSE2__)
  __m128i wanted[8];
  for (int k = 0; k < count; ++k) wanted[k] = _mm_set1_epi8(char(set[k]));
  for (; i + 16 <= to; i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(x, wanted[0]), _mm_cmpeq_epi8(x, wanted[1]));
    for (int k = 2; k < count; ++k) hits = _mm_or_si128(hits, _mm_cmpeq_epi8(x, wanted[k]));
    if (const int mask = _mm_movemask_epi8(hits)) return i + std::size_t(__builtin_ctz(unsigned(mask)));
  }
#endif
  for (; i < to; ++i)
    for (int k = 0; k < count; ++k)
      if (p[i] == set[k]) return i;
  return to;
}
}  // namespace

void ContentMatcher::prepare(std::string_view text) {
  text_.assign(text);
  keys_.clear();
  longest_ = 0;
  for (std::size_t i = 0; i < text.size();) {
    keys_.push_back(CaseFold::key(text, i));
    longest_ += std::size_t(CaseFold::longestForm(keys_.back()));
  }
  needsZeros_ = keys_.empty() || text.find('\0') != std::string_view::npos;
  // The anchor: the rarest of the first characters whose byte offset in any
  // match is known, that is, that only one-byte characters come before.
  anchor_ = 0;
  anchorCount_ = 0;
  int best = 1 << 30;
  for (std::size_t j = 0; j < keys_.size() && j < 16; ++j) {
    const std::string first = CaseFold::firstBytes(keys_[j]);
    if (first.size() <= sizeof anchorBytes_) {
      int score = 0;
      for (char b : first) score += commonness(static_cast<unsigned char>(b));
      if (score < best) {
        best = score;
        anchor_ = j;
        anchorCount_ = int(first.size());
        std::memcpy(anchorBytes_, first.data(), first.size());
      }
    }
    if (CaseFold::longestForm(keys_[j]) != 1) break;
  }
  reset();
}

void ContentMatcher::reset() {
  carry_.clear();
  found_ = false;
}

bool ContentMatcher::matchesAt(const char* data, std::size_t size, std::size_t start) const {
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

// Looks for a match starting before end; its bytes lie within data[0, size).
bool ContentMatcher::scan(const char* data, std::size_t size, std::size_t end) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(data);
  const std::size_t to = std::min(size, end + anchor_);
  for (std::size_t p = findAny(bytes, anchor_, to, anchorBytes_, anchorCount_); p < to;
       p = findAny(bytes, p + 1, to, anchorBytes_, anchorCount_)) {
    if (matchesAt(data, size, p - anchor_)) return found_ = true;
  }
  return false;
}

bool ContentMatcher::feed(const char* data, std::size_t size) {
  if (found_ || size == 0) return found_;
  if (keys_.empty()) return found_ = true;
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
