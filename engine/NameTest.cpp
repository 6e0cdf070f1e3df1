// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NameTest.h"

#include "engine/CaseFold.h"

namespace {
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

bool containsAscii(std::string_view hay, std::string_view lowNeedle) {
  const std::size_t m = lowNeedle.size();
  if (m > hay.size()) return false;
  const char first = lowNeedle[0], firstUpper = upperAscii(first);
  for (std::size_t i = 0, last = hay.size() - m; i <= last; ++i) {
    if (hay[i] != first && hay[i] != firstUpper) continue;
    std::size_t j = 1;
    while (j < m && CaseFold::lowerAscii(hay[i + j]) == lowNeedle[j]) ++j;
    if (j == m) return true;
  }
  return false;
}
}  // namespace

void NameTest::prepare(const QString& text) {
  text_ = text;
  const QByteArray utf8 = text.toUtf8();
  const std::string_view bytes(utf8.constData(), std::size_t(utf8.size()));
  folded_ = CaseFold::folded(bytes);
  textIsAscii_ = CaseFold::isAscii(bytes);
}

bool NameTest::matches(std::string_view name, bool matchCase) const {
  return matchCase ? equalsWhole(name) : contains(name);
}

std::string_view NameTest::foldedName(std::string_view name) const {
  scratch_.clear();
  CaseFold::appendFolded(scratch_, name);
  return scratch_;
}

bool NameTest::contains(std::string_view name) const {
  if (folded_.empty()) return true;
  const bool nameIsAscii = CaseFold::isAscii(name);
  if (textIsAscii_ && nameIsAscii) return containsAscii(name, folded_);
  return foldedName(name).find(folded_) != std::string_view::npos;
}

bool NameTest::equalsWhole(std::string_view name) const {
  if (textIsAscii_ && CaseFold::isAscii(name)) {
    if (name.size() != folded_.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
      if (CaseFold::lowerAscii(name[i]) != folded_[i]) return false;
    return true;
  }
  return foldedName(name) == folded_;
}
