#include "engine/DisplayText.h"

bool DisplayText::isHidden(char16_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) || c == 0x2028 || c == 0x2029 ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

QString DisplayText::fromBytes(std::string_view bytes) {
  const QString decoded = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
  bool plain = true;
  for (QChar c : decoded)
    if (isHidden(c.unicode())) {
      plain = false;
      break;
    }
  if (plain) return decoded;

  QString shown;
  shown.reserve(decoded.size() + 8);
  for (QChar c : decoded) {
    const char16_t u = c.unicode();
    if (!isHidden(u)) {
      shown.append(c);
      continue;
    }
    switch (u) {
      case '\n': shown.append(QLatin1String("\\n")); break;
      case '\r': shown.append(QLatin1String("\\r")); break;
      case '\t': shown.append(QLatin1String("\\t")); break;
      default:
        if (u < 0x100) shown.append(QStringLiteral("\\x%1").arg(unsigned(u), 2, 16, QLatin1Char('0')));
        else shown.append(QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0')));
    }
  }
  return shown;
}
