#include "engine/NameTest.h"

namespace {
inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) & 0x80) return false;
  return true;
}

bool containsAscii(std::string_view hay, std::string_view lowNeedle) {
  const size_t m = lowNeedle.size();
  if (m > hay.size()) return false;
  const char first = lowNeedle[0], firstUpper = upperAscii(first);
  for (size_t i = 0, last = hay.size() - m; i <= last; ++i) {
    if (hay[i] != first && hay[i] != firstUpper) continue;
    size_t j = 1;
    while (j < m && lowerAscii(hay[i + j]) == lowNeedle[j]) ++j;
    if (j == m) return true;
  }
  return false;
}
}  // namespace

void NameTest::prepare(const QString& text) {
  text_ = text;
  lowerText_ = text.toLower();
  const QByteArray utf8 = text.toUtf8();
  textIsAscii_ = isAscii(std::string_view(utf8.constData(), size_t(utf8.size())));
  asciiLower_.clear();
  if (textIsAscii_)
    for (char c : utf8) asciiLower_.push_back(lowerAscii(c));
}

bool NameTest::matches(std::string_view name, bool matchCase) const {
  return matchCase ? equalsWhole(name) : contains(name);
}

bool NameTest::contains(std::string_view name) const {
  if (text_.isEmpty()) return true;
  if (textIsAscii_) {
    if (containsAscii(name, asciiLower_)) return true;
    if (isAscii(name)) return false;  // nothing beyond ASCII can fold onto it
  }
  return QString::fromUtf8(name.data(), qsizetype(name.size())).contains(text_, Qt::CaseInsensitive);
}

bool NameTest::equalsWhole(std::string_view name) const {
  if (textIsAscii_ && isAscii(name)) {
    if (name.size() != asciiLower_.size()) return false;
    for (size_t i = 0; i < name.size(); ++i)
      if (lowerAscii(name[i]) != asciiLower_[i]) return false;
    return true;
  }
  return QString::fromUtf8(name.data(), qsizetype(name.size())).toLower() == lowerText_;
}
