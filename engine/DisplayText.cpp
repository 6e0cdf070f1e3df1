#include "engine/DisplayText.h"

#include "engine/CaseFold.h"

bool DisplayText::isHidden(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) || c == 0x2028 || c == 0x2029 ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

namespace {
void appendHex(QString& out, char prefix, unsigned value, int digits) {
  out += QLatin1Char('\\');
  out += QLatin1Char(prefix);
  out += QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0'));
}

bool plain(std::string_view bytes) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b >= 0x7F || b == '\\') return false;
  }
  return true;
}
}  // namespace

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
    else if (isHidden(c)) appendHex(shown, c < 0x80 ? 'x' : 'u', unsigned(c), c < 0x80 ? 2 : 4);
    else if (QChar::requiresSurrogates(c)) {
      shown += QChar(QChar::highSurrogate(c));
      shown += QChar(QChar::lowSurrogate(c));
    } else {
      shown += QChar(char16_t(c));
    }
  }
  return shown;
}
