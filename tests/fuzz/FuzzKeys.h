// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Plain reference code for the fuzz targets, written apart from the engine's
// own: text as a list of comparison keys (a folded character, or 0x110000 +
// a byte that is not UTF-8), decoded the simple way, one byte at a time.
inline int sequenceLength(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 0;
}

inline std::vector<std::uint32_t> referenceKeys(std::string_view text) {
  std::vector<std::uint32_t> keys;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      keys.push_back(b >= 'A' && b <= 'Z' ? b + 32 : b);
      ++i;
      continue;
    }
    const int length = sequenceLength(b);
    bool valid = length > 0 && i + std::size_t(length) <= text.size();
    char32_t c = length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    valid = valid && c >= smallest && !(c >= 0xD800 && c <= 0xDFFF) && c <= 0x10FFFF;
    if (!valid) {
      keys.push_back(0x110000 + b);
      ++i;
      continue;
    }
    keys.push_back(QChar::toCaseFolded(c));
    i += std::size_t(length);
  }
  return keys;
}

inline bool referenceContains(const std::vector<std::uint32_t>& hay, const std::vector<std::uint32_t>& needle) {
  if (needle.size() > hay.size()) return false;
  for (std::size_t i = 0; i + needle.size() <= hay.size(); ++i) {
    std::size_t j = 0;
    while (j < needle.size() && hay[i + j] == needle[j]) ++j;
    if (j == needle.size()) return true;
  }
  return false;
}

// What the fields hand the engine: text that went through a QString.
inline std::string asFieldText(std::string_view bytes) {
  return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).toUtf8().toStdString();
}
