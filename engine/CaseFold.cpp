// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CaseFold.h"

#include <QChar>
#include <algorithm>
#include <unordered_map>
#include <vector>

bool CaseFold::isAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) & 0x80) return false;
  return true;
}

char32_t CaseFold::fold(char32_t c) {
  if (c < 0x80) return static_cast<char32_t>(lowerAscii(static_cast<char>(c)));
  return QChar::toCaseFolded(c);
}

int CaseFold::decode(std::string_view text, std::size_t i, char32_t& c) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80) {
    c = b0;
    return 1;
  }
  int length;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) length = 2, c = b0 & 0x1F, min = 0x80;
  else if (b0 >= 0xE0 && b0 <= 0xEF) length = 3, c = b0 & 0x0F, min = 0x800;
  else if (b0 >= 0xF0 && b0 <= 0xF4) length = 4, c = b0 & 0x07, min = 0x10000;
  else return 0;
  if (i + std::size_t(length) > text.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const unsigned char b = byte(i + std::size_t(k));
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if (c < min || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return 0;
  return length;
}

void CaseFold::appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(char(c));
  } else if (c < 0x800) {
    out.push_back(char(0xC0 | (c >> 6)));
    out.push_back(char(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(char(0xE0 | (c >> 12)));
    out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(char(0x80 | (c & 0x3F)));
  } else {
    out.push_back(char(0xF0 | (c >> 18)));
    out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(char(0x80 | (c & 0x3F)));
  }
}

namespace {
// Folds text into out; a byte that is not UTF-8 goes in as itself, after the
// marker where one is given.
void appendWith(std::string& out, std::string_view text, const char* strayMarker) {
  for (std::size_t i = 0; i < text.size();) {
    const char b = text[i];
    if (!(static_cast<unsigned char>(b) & 0x80)) {
      out.push_back(CaseFold::lowerAscii(b));
      ++i;
      continue;
    }
    char32_t c;
    const int length = CaseFold::decode(text, i, c);
    if (length == 0) {
      if (strayMarker) out.push_back(*strayMarker);
      out.push_back(b);
      ++i;
      continue;
    }
    CaseFold::appendUtf8(out, CaseFold::fold(c));
    i += std::size_t(length);
  }
}
}  // namespace

void CaseFold::appendFolded(std::string& out, std::string_view text) { appendWith(out, text, nullptr); }

void CaseFold::appendSortKey(std::string& out, std::string_view text) {
  static const char marker = char(0xF8);  // no UTF-8 has it: after every character
  appendWith(out, text, &marker);
}

std::string CaseFold::folded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendFolded(out, text);
  return out;
}

std::uint32_t CaseFold::key(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) {
    ++i;
    return static_cast<std::uint32_t>(lowerAscii(char(b)));
  }
  char32_t c;
  const int length = decode(s, i, c);
  if (length == 0) {
    ++i;
    return 0x110000 + b;
  }
  i += std::size_t(length);
  return fold(c);
}

namespace {
// Every character that folds to another, by what it folds to: built once,
// the first time a search needs a character's case variants. No character
// past the first two planes has a case (the rest are ideographs, tags and
// private use), and leaving them out makes it ten times quicker.
const std::unordered_map<char32_t, std::vector<char32_t>>& variantsByFolded() {
  static const auto table = [] {
    std::unordered_map<char32_t, std::vector<char32_t>> t;
    for (char32_t c = 0; c <= 0x1FFFF; ++c) {
      if (c >= 0xD800 && c <= 0xDFFF) continue;
      const char32_t f = CaseFold::fold(c);
      if (f != c) t[f].push_back(c);
    }
    return t;
  }();
  return table;
}

std::vector<char32_t> foldClass(char32_t folded) {
  std::vector<char32_t> out{folded};
  const auto& table = variantsByFolded();
  const auto found = table.find(folded);
  if (found != table.end()) out.insert(out.end(), found->second.begin(), found->second.end());
  return out;
}
}  // namespace

std::string CaseFold::firstBytes(std::uint32_t key) {
  if (key >= 0x110000) return std::string(1, char(key - 0x110000));
  std::string out;
  for (char32_t c : foldClass(key)) {
    std::string encoded;
    appendUtf8(encoded, c);
    if (out.find(encoded[0]) == std::string::npos) out.push_back(encoded[0]);
  }
  return out;
}

int CaseFold::longestForm(std::uint32_t key) {
  if (key >= 0x110000) return 1;
  int longest = 1;
  for (char32_t c : foldClass(key)) longest = std::max(longest, c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4);
  return longest;
}
