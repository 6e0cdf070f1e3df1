// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/IniText.h"

#include <QStringList>

#include <iterator>
#include <utility>

namespace {
bool isBlank(char16_t c) { return c == ' ' || c == '\t'; }

bool isPlainKeyCharacter(char16_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
}

int digitValue(char c, int base) {
  const int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : base;
  return d < base ? d : -1;
}

// Keys and section names: '/' as '\', anything but [A-Za-z0-9_.-] as %XX or
// %UXXXX.
QByteArray escapedKey(const QString& key) {
  QByteArray out;
  for (const QChar c : key) {
    const char16_t u = c.unicode();
    if (u == '/') out += '\\';
    else if (isPlainKeyCharacter(u)) out += char(u);
    else if (u <= 0xFF) out += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
    else out += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
  }
  return out;
}

QString unescapedKey(const QByteArray& raw) {
  const QString s = QString::fromUtf8(raw);
  QString out;
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] == '\\') {
      out += '/';
      continue;
    }
    if (s[i] == '%') {
      const qsizetype digits = s.mid(i + 1, 1) == "U" ? 4 : 2, first = i + (digits == 4 ? 2 : 1);
      bool ok = false;
      const ushort code = first + digits <= s.size() ? s.mid(first, digits).toUShort(&ok, 16) : 0;
      if (ok) {
        out += QChar(code);
        i = first + digits - 1;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

// One backslash escape, s[i] being the character after the backslash: C's
// letters, \x with any number of hex digits, octal; others are dropped.
QString unescaped(const QByteArray& s, qsizetype& i) {
  if (i >= s.size()) return {};
  static constexpr char names[] = "abfnrtv\"?'\\", codes[] = "\a\b\f\n\r\t\v\"?'\\";
  const char e = s[i++];
  if (e == '\n' || e == '\r') {  // a line continued: \n, \r, \r\n and \n\r each end one
    if (i < s.size() && (s[i] == '\n' || s[i] == '\r') && s[i] != e) ++i;
    return {};
  }
  for (int n = 0; names[n]; ++n)
    if (names[n] == e) return QString(QChar(codes[n]));
  const int base = e == 'x' ? 16 : digitValue(e, 8) >= 0 ? 8 : 0;
  if (base == 0) return {};
  char16_t code = base == 8 ? e - '0' : 0;  // wider codes keep their low 16 bits
  bool any = base == 8;
  for (int d; i < s.size() && (d = digitValue(s[i], base)) >= 0; ++i, any = true) code = code * base + d;
  return any ? QString(QChar(code)) : QString();
}

// A value's text after the '=': UTF-8 with backslash escapes, double quotes
// around any stretch; outside quotes a comma ends a part and a ';' starts a
// comment, and blanks around a part that has no quotes are dropped.
QStringList unescapedParts(const QByteArray& s) {
  QStringList parts{QString()};
  bool inQuotes = false, quotedPart = false;
  qsizetype i = 0, kept = 0;  // kept: the start of the part's trailing blanks that may go
  const auto skipBlanks = [&] {
    while (i < s.size() && isBlank(s[i])) ++i;
  };
  const auto endPart = [&] {
    QString& part = parts.back();
    while (!quotedPart && part.size() > kept && isBlank(part.back().unicode())) part.chop(1);
  };
  skipBlanks();
  while (i < s.size()) {
    const char c = s[i];
    if (c == '\\') {
      parts.back() += unescaped(s, ++i);
      kept = parts.back().size();
    } else if (c == '"') {
      ++i;
      inQuotes = !inQuotes;
      quotedPart = true;
      if (!inQuotes) skipBlanks(), kept = parts.back().size();
    } else if (c == ';' && !inQuotes) {
      break;
    } else if (c == ',' && !inQuotes) {
      endPart();
      parts.append(QString());
      quotedPart = false;
      kept = 0;
      ++i;
      skipBlanks();
    } else {
      qsizetype end = i + 1;
      while (end < s.size() && s[end] != '\\' && s[end] != '"' && s[end] != ',' && s[end] != ';') ++end;
      parts.back() += QString::fromUtf8(s.mid(i, end - i));
      i = end;
    }
  }
  endPart();
  return parts;
}

// QSettings marks what is not a plain string with a leading '@' (doubled on a
// string that starts with one); a string holding a NUL goes in @String().
std::optional<QString> storedString(QStringList parts) {
  if (parts.size() > 1) {
    for (QString& part : parts) {
      if (part.startsWith("@@")) part.remove(0, 1);
      else if (part.startsWith('@')) return std::nullopt;  // a list of other types
    }
    return parts.join(", ");
  }
  const QString& v = parts.front();
  if (v.startsWith("@@")) return v.mid(1);
  if (!v.startsWith('@') || !v.endsWith(')')) return v;
  if (v.startsWith("@String(")) return v.mid(8).chopped(1);
  if (v.startsWith("@ByteArray(")) return QString::fromUtf8(v.mid(11).chopped(1).toLatin1());
  if (v == "@Invalid()" || v.startsWith("@Variant(") || v.startsWith("@DateTime(")) return std::nullopt;
  const qsizetype open = v.indexOf('(');
  if (open < 0) return v;
  const QString shape = v.left(open);
  const qsizetype numbers = v.mid(open + 1).chopped(1).split(' ').size();
  const bool geometry = (shape == "@Rect" && numbers == 4) || ((shape == "@Size" || shape == "@Point") && numbers == 2);
  return geometry && v.count(')') == 1 ? std::nullopt : std::optional<QString>(v);
}

// A string as QSettings writes it: controls escaped (and a hex digit right
// after a numeric escape, so that it is not read as part of it), UTF-8, in
// quotes where a ',', ';' or '=' or a blank at either end would not survive.
QByteArray escapedValue(QString v) {
  if (v.contains(QChar(0))) v = "@String(" + v + ')';
  else if (v.startsWith('@')) v.prepend('@');
  static constexpr char16_t controls[] = u"\a\b\f\n\r\t\v\"\\";
  static constexpr char letters[] = "abfnrtv\"\\";
  QString out;
  bool numericBefore = false;
  for (const QChar c : v) {
    const char16_t u = c.unicode();
    if (numericBefore && u < 0x80 && digitValue(char(u), 16) >= 0) {
      out += "\\x" + QString::number(u, 16);
      continue;
    }
    const qsizetype named = QStringView(controls).indexOf(c);
    numericBefore = u < 0x20 && named < 0;
    if (u == 0) out += "\\0";
    else if (named >= 0) out.append(QChar('\\')).append(QChar(letters[named]));
    else if (u < 0x20) out += "\\x" + QString::number(u, 16);
    else out += c;
  }
  const bool quoted = v.contains(',') || v.contains(';') || v.contains('=') || out.startsWith(' ') || out.endsWith(' ');
  return (quoted ? '"' + out + '"' : out).toUtf8();
}

// [General] holds the keys without a section; a section itself named so is
// written [%General].
std::optional<QString> sectionNamed(const QByteArray& header) {
  const qsizetype close = header.indexOf(']');
  const QByteArray name = header.mid(1, close - 1).trimmed();
  if (close < 0 || name.isEmpty()) return std::nullopt;
  if (name.compare("general", Qt::CaseInsensitive) == 0) return QString();
  if (name.compare("%general", Qt::CaseInsensitive) == 0) return QString::fromLatin1(name.mid(1));
  return unescapedKey(name);
}

QByteArray header(const QString& section) {
  const QByteArray name = escapedKey(section);
  if (name.isEmpty()) return "[General]";
  return (name.compare("general", Qt::CaseInsensitive) == 0 ? "[%" : "[") + name + ']';
}

// A line's text without its line end.
QByteArray content(const QByteArray& line) {
  qsizetype end = line.size();
  while (end > 0 && (line[end - 1] == '\n' || line[end - 1] == '\r')) --end;
  return line.left(end);
}

// The length of the line that starts at "from", with its line end: "\n", "\r\n"
// or "\r" ends one, as for QSettings, but not after a backslash, which
// continues the line. A comment (from a ';' outside quotes) ends at the line's
// end whatever it holds; so does a quote left open, where QSettings would read
// on to the end of the file.
qsizetype lineLength(const QByteArray& text, qsizetype from) {
  bool inQuotes = false, comment = false;
  for (qsizetype i = from; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n') return i + 1 - from;
    if (c == '\r') return i + (i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1) - from;
    if (comment) continue;
    if (c == ';' && !inQuotes) comment = true;
    else if (c == '"') inQuotes = !inQuotes;
    else if (c == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      if ((next == '\n' || next == '\r') && i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r') &&
          text[i + 1] != next)
        ++i;
    }
  }
  return text.size() - from;
}
}  // namespace

IniText::IniText(const QByteArray& text) {
  for (qsizetype at = 0; at < text.size();) {
    const qsizetype length = lineLength(text, at);
    lines_.push_back(text.mid(at, length));
    at += length;
  }
  if (!lines_.empty() && content(lines_.back()) == lines_.back()) lines_.back() += '\n';  // the last line's end
  index();
}

// Keys before the first header have no section. A header that cannot be read
// ("[", "[]", "[broken") is passed over as any other bad line: the keys below
// it stay in the section above, so that one mistake hides nothing else. A
// byte-order mark before the first line is not part of it.
void IniText::index() {
  QString section;
  bool first = true;
  for (auto line = lines_.begin(); line != lines_.end(); ++line) {
    QByteArray text = content(*line);
    if (std::exchange(first, false) && text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
    text = text.trimmed();
    if (text.isEmpty()) continue;
    const qsizetype equals = text.indexOf('=');
    if (text.startsWith('[')) {
      if (const std::optional<QString> named = sectionNamed(text)) section = *named;
    } else if (equals > 0 && !text.left(equals).contains(';')) {
      const QString key = unescapedKey(text.left(equals).trimmed());
      keys_[section.isEmpty() ? key : section + '/' + key] = line;
    }
    sectionEnds_[section] = line;
  }
}

std::optional<QString> IniText::value(const QString& fullKey) const {
  const auto line = keys_.find(fullKey);
  if (line == keys_.end()) return std::nullopt;
  const QByteArray text = content(*line->second);
  return storedString(unescapedParts(text.mid(text.indexOf('=') + 1)));
}

// The key's line keeps its key and its line end as written; a new key goes at
// the end of its section's last block, or in a new section at the end of the
// file. Nothing is read again: a new key costs the same in a file of any size.
void IniText::setValue(const QString& fullKey, const QString& value) {
  const QByteArray escaped = escapedValue(value);
  if (const auto line = keys_.find(fullKey); line != keys_.end()) {
    QByteArray& text = *line->second;
    text = text.left(text.indexOf('=') + 1) + escaped + text.mid(content(text).size());
    return;
  }
  const qsizetype slash = fullKey.indexOf('/');
  const QString section = slash < 0 ? QString() : fullKey.left(slash);
  const QByteArray entry = escapedKey(fullKey.mid(slash + 1)) + '=' + escaped + '\n';
  if (const auto end = sectionEnds_.find(section); end != sectionEnds_.end()) {
    end->second = lines_.insert(std::next(end->second), entry);
  } else {
    if (!lines_.empty() && !content(lines_.back()).trimmed().isEmpty()) lines_.emplace_back("\n");
    lines_.push_back(header(section) + '\n');
    sectionEnds_[section] = lines_.insert(lines_.end(), entry);
  }
  keys_[fullKey] = sectionEnds_[section];
}

QByteArray IniText::text() const {
  QByteArray out;
  for (const QByteArray& line : lines_) out += line;
  return out;
}
