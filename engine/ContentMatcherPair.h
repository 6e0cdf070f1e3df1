// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Where a text can start in a stream: two of its bytes at their distance from
// each other, each one of a few values (its case variants). The scan tests
// 32 bytes at a time where the processor can (chosen when first used), else
// 16, and hands only the places where both bytes agree to a check.
class BytePair {
public:
  // One of the two: its offset from the start of a match and the bytes that
  // can stand there. At most eight bytes.
  void setFirst(std::size_t offset, std::string_view bytes) { set(0, offset, bytes); }
  void setSecond(std::size_t offset, std::string_view bytes) { set(1, offset, bytes); }

  // Looks for a start in [from, to) where both bytes agree and check(context,
  // start) is true: that start, or to. Bytes up to to + reach() must be readable.
  using Check = bool (*)(const void* context, std::size_t start);
  std::size_t find(const unsigned char* data, std::size_t from, std::size_t to, Check check, const void* context) const;
  // The farther offset of the two.
  std::size_t reach() const { return sides[0].offset > sides[1].offset ? sides[0].offset : sides[1].offset; }

  struct Side {
    std::size_t offset = 0;
    unsigned char mask = 0;  // or-ed into a byte before it is compared: a letter's two cases as one value
    int count = 0;
    unsigned char values[8] = {};
  };
  Side sides[2];
  std::uint8_t member[256] = {};  // bit 1: a byte of the first side, bit 2: of the second
  // The first side is rare in this content: the second is looked at only
  // where the first is found.
  bool rareFirst = false;

private:
  void set(int side, std::size_t offset, std::string_view bytes);
};
