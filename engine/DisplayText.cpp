// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DisplayText.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "engine/CaseFold.h"

namespace {
struct Range {
  char32_t first, last;
};

// The control characters, the line and paragraph separators, and every
// Default_Ignorable_Code_Point of Unicode 15 (which holds every bidirectional
// control), in order and merged where they touch.
constexpr Range kHidden[] = {
    {0x0000, 0x001F}, {0x007F, 0x009F},   {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x061C, 0x061C},
    {0x115F, 0x1160}, {0x17B4, 0x17B5},   {0x180B, 0x180F},   {0x200B, 0x200F},   {0x2028, 0x202E},
    {0x2060, 0x206F}, {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},
    {0xFFF0, 0xFFF8}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};

void appendHex(QString& out, char prefix, unsigned value, int digits) {
  out += QLatin1Char('\\');
  out += QLatin1Char(prefix);
  out += QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0'));
}

// The escape of a character that is not to be shown as itself.
void appendEscape(QString& out, char32_t c) {
  if (c < 0x80) appendHex(out, 'x', unsigned(c), 2);
  else if (c <= 0xFFFF) appendHex(out, 'u', unsigned(c), 4);
  else appendHex(out, 'U', unsigned(c), 8);
}

bool plain(std::string_view bytes) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b >= 0x7F || b == '\\') return false;
  }
  return true;
}

int hexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// The value of the hex digits at text[at], or -1 when they are not all there.
std::int64_t hexValue(QStringView text, qsizetype at, int digits) {
  if (at + digits > text.size()) return -1;
  std::int64_t value = 0;
  for (qsizetype k = at; k < at + digits; ++k) {
    const int digit = hexDigit(text[k]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

// Appends the bytes of the escape whose backslash is at text[at] and returns
// its length, or 0 when no escape starts there.
qsizetype readEscape(QStringView text, qsizetype at, std::string& out) {
  if (at + 1 >= text.size()) return 0;
  const char16_t kind = text[at + 1].unicode();
  const char simple = kind == '\\' ? '\\' : kind == 'n' ? '\n' : kind == 't' ? '\t' : kind == 'r' ? '\r' : '\0';
  if (simple) {
    out += simple;
    return 2;
  }
  const int digits = kind == 'x' ? 2 : kind == 'u' ? 4 : kind == 'U' ? 8 : 0;
  const std::int64_t value = digits ? hexValue(text, at + 2, digits) : -1;
  if (value < 0) return 0;
  if (kind == 'x') {
    out += char(value);  // a byte, UTF-8 or not
  } else {
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;  // no character
    CaseFold::appendUtf8(out, char32_t(value));
  }
  return 2 + digits;
}
}  // namespace

bool DisplayText::isHidden(char32_t c) {
  const auto after = std::upper_bound(std::begin(kHidden), std::end(kHidden), c,
                                      [](char32_t value, const Range& r) { return value < r.first; });
  return after != std::begin(kHidden) && c <= std::prev(after)->last;
}

QString DisplayText::fromBytes(std::string_view bytes) {
  if (plain(bytes)) return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));  // the usual name
  QString shown;
  shown.reserve(qsizetype(bytes.size()) + 8);
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t c;
    const int length = CaseFold::decode(bytes, i, c);
    if (length == 0) {
      appendHex(shown, 'x', static_cast<unsigned char>(bytes[i]), 2);
      ++i;
      continue;
    }
    i += std::size_t(length);
    if (c == '\\') shown += QLatin1String("\\\\");
    else if (c == '\n') shown += QLatin1String("\\n");
    else if (c == '\r') shown += QLatin1String("\\r");
    else if (c == '\t') shown += QLatin1String("\\t");
    else if (isHidden(c)) appendEscape(shown, c);
    else if (QChar::requiresSurrogates(c)) {
      shown += QChar(QChar::highSurrogate(c));
      shown += QChar(QChar::lowSurrogate(c));
    } else {
      shown += QChar(char16_t(c));
    }
  }
  return shown;
}

std::string DisplayText::toBytes(QStringView text) {
  std::string out;
  out.reserve(std::size_t(text.size()));
  for (qsizetype i = 0; i < text.size();) {
    qsizetype slash = text.indexOf(u'\\', i);
    if (slash < 0) slash = text.size();
    const QByteArray plainPart = text.mid(i, slash - i).toUtf8();
    out.append(plainPart.constData(), std::size_t(plainPart.size()));
    if (slash == text.size()) break;
    const qsizetype length = readEscape(text, slash, out);
    if (length == 0) out += '\\';
    i = slash + std::max<qsizetype>(length, 1);
  }
  return out;
}
