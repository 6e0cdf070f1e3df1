// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ContentMatcherPair.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

void BytePair::set(int side, std::size_t offset, std::string_view bytes) {
  Side& s = sides[side];
  const std::uint8_t bit = std::uint8_t(1 << side);
  s.offset = offset;
  for (std::uint8_t& m : member) m &= std::uint8_t(~bit);
  for (char c : bytes) member[static_cast<unsigned char>(c)] |= bit;
  // When every byte's other case (bit 0x20) is there too, one compare with
  // that bit set covers both.
  bool bothCases = true;
  for (char c : bytes) bothCases = bothCases && (member[static_cast<unsigned char>(c) ^ 0x20] & bit);
  s.mask = bothCases ? 0x20 : 0;
  s.count = 0;
  for (char c : bytes) {
    const unsigned char v = static_cast<unsigned char>(c) | s.mask;
    bool seen = false;
    for (int k = 0; k < s.count; ++k) seen = seen || s.values[k] == v;
    if (!seen && s.count < 8) s.values[s.count++] = v;
  }
}

namespace {
// Each returns the first start in [from, to) where both bytes agree, or to.
// Single: each side is one value, which stays in a register.
std::size_t candidateScalar(const unsigned char* p, std::size_t from, std::size_t to, const BytePair& pair) {
  const std::size_t a = pair.sides[0].offset, b = pair.sides[1].offset;
  while (from < to && !((pair.member[p[from + a]] & 1) && (pair.member[p[from + b]] & 2))) ++from;
  return from;
}

#if defined(__x86_64__)
// A side's values as whole registers, made once per call.
struct Wide16 {
  __m128i mask;
  __m128i values[8];
  int count;
};

struct Wide32 {
  __m256i mask;
  __m256i values[8];
  int count;
};

Wide16 wide16(const BytePair::Side& s) {
  Wide16 w{_mm_set1_epi8(char(s.mask)), {}, s.count};
  for (int k = 0; k < s.count; ++k) w.values[k] = _mm_set1_epi8(char(s.values[k]));
  return w;
}

template <bool kSingle>
__m128i hits16(const unsigned char* at, const Wide16& w) {
  const __m128i x = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), w.mask);
  __m128i hits = _mm_cmpeq_epi8(x, w.values[0]);
  if (!kSingle)
    for (int k = 1; k < w.count; ++k) hits = _mm_or_si128(hits, _mm_cmpeq_epi8(x, w.values[k]));
  return hits;
}

template <bool kSingle>
std::size_t candidateSse2(const unsigned char* p, std::size_t from, std::size_t to, const BytePair& pair) {
  const Wide16 first = wide16(pair.sides[0]), second = wide16(pair.sides[1]);
  const std::size_t a = pair.sides[0].offset, b = pair.sides[1].offset;
  for (; from + 16 <= to; from += 16) {
    const __m128i both = _mm_and_si128(hits16<kSingle>(p + from + a, first), hits16<kSingle>(p + from + b, second));
    if (const int bits = _mm_movemask_epi8(both)) return from + std::size_t(__builtin_ctz(unsigned(bits)));
  }
  return candidateScalar(p, from, to, pair);
}

__attribute__((target("avx2"))) Wide32 wide32(const BytePair::Side& s) {
  Wide32 w{_mm256_set1_epi8(char(s.mask)), {}, s.count};
  for (int k = 0; k < s.count; ++k) w.values[k] = _mm256_set1_epi8(char(s.values[k]));
  return w;
}

template <bool kSingle>
__attribute__((target("avx2"))) __m256i hits32(const unsigned char* at, const Wide32& w) {
  const __m256i x = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), w.mask);
  __m256i hits = _mm256_cmpeq_epi8(x, w.values[0]);
  if (!kSingle)
    for (int k = 1; k < w.count; ++k) hits = _mm256_or_si256(hits, _mm256_cmpeq_epi8(x, w.values[k]));
  return hits;
}

template <bool kSingle>
__attribute__((target("avx2"))) __m256i both32(const unsigned char* at, std::size_t a, std::size_t b,
                                               const Wide32& first, const Wide32& second) {
  return _mm256_and_si256(hits32<kSingle>(at + a, first), hits32<kSingle>(at + b, second));
}

// Two steps of 32 bytes per turn, one branch for both.
template <bool kSingle>
__attribute__((target("avx2"))) std::size_t candidateAvx2(const unsigned char* p, std::size_t from, std::size_t to,
                                                          const BytePair& pair) {
  const Wide32 first = wide32(pair.sides[0]), second = wide32(pair.sides[1]);
  const std::size_t a = pair.sides[0].offset, b = pair.sides[1].offset;
  for (; from + 64 <= to; from += 64) {
    const __m256i low = both32<kSingle>(p + from, a, b, first, second);
    const __m256i high = both32<kSingle>(p + from + 32, a, b, first, second);
    const __m256i any = _mm256_or_si256(low, high);
    if (_mm256_testz_si256(any, any)) continue;
    const std::uint64_t bits = std::uint64_t(std::uint32_t(_mm256_movemask_epi8(low))) |
                               std::uint64_t(std::uint32_t(_mm256_movemask_epi8(high))) << 32;
    return from + std::size_t(__builtin_ctzll(bits));
  }
  if (from + 32 <= to) {
    const std::uint32_t bits = std::uint32_t(_mm256_movemask_epi8(both32<kSingle>(p + from, a, b, first, second)));
    if (bits) return from + std::size_t(__builtin_ctz(bits));
    from += 32;
  }
  return candidateSse2<kSingle>(p, from, to, pair);
}

// The first side alone, 64 bytes a turn; the second only where it is found.
template <bool kSingle>
__attribute__((target("avx2"))) std::size_t rareFirstAvx2(const unsigned char* p, std::size_t from, std::size_t to,
                                                          const BytePair& pair) {
  const Wide32 first = wide32(pair.sides[0]), second = wide32(pair.sides[1]);
  const std::size_t a = pair.sides[0].offset, b = pair.sides[1].offset;
  for (; from + 64 <= to; from += 64) {
    const __m256i low = hits32<kSingle>(p + from + a, first), high = hits32<kSingle>(p + from + 32 + a, first);
    const __m256i any = _mm256_or_si256(low, high);
    if (_mm256_testz_si256(any, any)) continue;
    const __m256i lowBoth = _mm256_and_si256(low, hits32<kSingle>(p + from + b, second));
    const __m256i highBoth = _mm256_and_si256(high, hits32<kSingle>(p + from + 32 + b, second));
    const std::uint64_t bits = std::uint64_t(std::uint32_t(_mm256_movemask_epi8(lowBoth))) |
                               std::uint64_t(std::uint32_t(_mm256_movemask_epi8(highBoth))) << 32;
    if (bits) return from + std::size_t(__builtin_ctzll(bits));
  }
  return candidateAvx2<kSingle>(p, from, to, pair);
}
#endif

using Finder = std::size_t (*)(const unsigned char*, std::size_t, std::size_t, const BytePair&);

// [rare first][single side values]: the scans this processor can run.
struct Finders {
  Finder finders[2][2];
};

Finders chooseFinders() {
#if defined(__x86_64__)
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2"))
    return {{{candidateAvx2<false>, candidateAvx2<true>}, {rareFirstAvx2<false>, rareFirstAvx2<true>}}};
  return {{{candidateSse2<false>, candidateSse2<true>}, {candidateSse2<false>, candidateSse2<true>}}};
#else
  return {{{candidateScalar, candidateScalar}, {candidateScalar, candidateScalar}}};
#endif
}
}  // namespace

std::size_t BytePair::find(const unsigned char* data, std::size_t from, std::size_t to, Check check,
                           const void* context) const {
  static const Finders chosen = chooseFinders();
  const Finder next = chosen.finders[rareFirst][sides[0].count == 1 && sides[1].count == 1];
  for (; (from = next(data, from, to, *this)) < to; ++from)
    if (check(context, from)) return from;
  return to;
}
