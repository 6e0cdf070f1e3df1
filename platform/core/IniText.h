// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

#include <list>
#include <map>
#include <optional>

// The text of an INI file in the form QSettings reads and writes, kept line by
// line as it stands. A value is named by its full key ("section/key"). A change
// rewrites only its own line, or adds one, so nothing else in the file is lost;
// lines that cannot be understood are passed over when reading and kept as
// they are.
class IniText {
public:
  explicit IniText(const QByteArray& text = {});

  // A value as a string; none where the key is absent or holds a value that is
  // not a string (@Invalid(), @Variant(...)...). Bare commas in a hand-edited
  // value split it into parts, read back joined by ", ".
  std::optional<QString> value(const QString& fullKey) const;
  void setValue(const QString& fullKey, const QString& value);
  QByteArray text() const;

private:
  void index();

  using Line = std::list<QByteArray>::iterator;  // stays valid as lines are added

  std::list<QByteArray> lines_;          // with their line ends
  std::map<QString, Line> keys_;         // full key -> the line read for it (the last)
  std::map<QString, Line> sectionEnds_;  // section -> last non-blank line of its last block
};
