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
using Finder = std::size_t (*)(const unsigned char*, std::size_t, std::size_t, const BytePair&, BytePair::Check,
                               const void*);

std::size_t findScalar(const unsigned char* p, std::size_t from, std::size_t to, const BytePair& pair,
                       BytePair::Check check, const void* context) {
  const std::size_t a = pair.sides[0].offset, b = pair.sides[1].offset;
  for (; from < to; ++from)
    if ((pair.member[p[from + a]] & 1) && (pair.member[p[from + b]] & 2) && check(context, from)) return from;
  return to;
}

#if defined(__x86_64__)
// A side's values as whole registers, made once per scan.
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

inline __m128i hits16(const unsigned char* at, const Wide16& w) {
  const __m128i x = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), w.mask);
  __m128i hits = _mm_cmpeq_epi8(x, w.values[0]);
  for (int k = 1; k < w.count; ++k) hits = _mm_or_si128(hits, _mm_cmpeq_epi8(x, w.values[k]));
  return hits;
}

std::size_t findSse2(const unsigned char* p, std::size_t from, std::size_t to, const BytePair& pair,
                     BytePair::Check check, const void* context) {
  const Wide16 first = wide16(pair.sides[0]), second = wide16(pair.sides[1]);
  const std::size_t a = pair.sides[0].offset, b = pair.sides[1].offset;
  for (; from + 16 <= to; from += 16) {
    const __m128i both = _mm_and_si128(hits16(p + from + a, first), hits16(p + from + b, second));
    for (unsigned bits = unsigned(_mm_movemask_epi8(both)); bits; bits &= bits - 1) {
      const std::size_t start = from + std::size_t(__builtin_ctz(bits));
      if (check(context, start)) return start;
    }
  }
  return findScalar(p, from, to, pair, check, context);
}

__attribute__((target("avx2"))) Wide32 wide32(const BytePair::Side& s) {
  Wide32 w{_mm256_set1_epi8(char(s.mask)), {}, s.count};
  for (int k = 0; k < s.count; ++k) w.values[k] = _mm256_set1_epi8(char(s.values[k]));
  return w;
}

__attribute__((target("avx2"))) inline __m256i hits32(const unsigned char* at, const Wide32& w) {
  const __m256i x = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), w.mask);
  __m256i hits = _mm256_cmpeq_epi8(x, w.values[0]);
  for (int k = 1; k < w.count; ++k) hits = _mm256_or_si256(hits, _mm256_cmpeq_epi8(x, w.values[k]));
  return hits;
}

__attribute__((target("avx2"))) std::size_t findAvx2(const unsigned char* p, std::size_t from, std::size_t to,
                                                     const BytePair& pair, BytePair::Check check, const void* context) {
  const Wide32 first = wide32(pair.sides[0]), second = wide32(pair.sides[1]);
  const std::size_t a = pair.sides[0].offset, b = pair.sides[1].offset;
  for (; from + 32 <= to; from += 32) {
    const __m256i both = _mm256_and_si256(hits32(p + from + a, first), hits32(p + from + b, second));
    for (unsigned bits = unsigned(_mm256_movemask_epi8(both)); bits; bits &= bits - 1) {
      const std::size_t start = from + std::size_t(__builtin_ctz(bits));
      if (check(context, start)) return start;
    }
  }
  return findSse2(p, from, to, pair, check, context);
}
#endif

Finder chooseFinder() {
#if defined(__x86_64__)
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? findAvx2 : findSse2;
#else
  return findScalar;
#endif
}
}  // namespace

std::size_t BytePair::find(const unsigned char* data, std::size_t from, std::size_t to, Check check,
                           const void* context) const {
  static const Finder finder = chooseFinder();
  return finder(data, from, to, *this, check, context);
}
