// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Settings.h"

#include <QByteArray>
#include <QStringList>
#include <type_traits>

#include "platform/core/SettingsStore.h"
#include "ui/Context.h"

namespace {
const QString kUriPrefix = QStringLiteral("file://");

bool isUtf8(const std::string& bytes) {
  const QByteArray raw = QByteArray::fromStdString(bytes);
  return QString::fromUtf8(raw).toUtf8() == raw;
}

QString encoded(const QString& value) { return value; }
QString decoded(const QString& text, QString*) { return text; }

// A location keeps text: itself when it is UTF-8, otherwise (and for text
// that would read as that form) a file URI of its bytes.
QString encoded(const std::string& bytes) {
  if (isUtf8(bytes) && !QString::fromUtf8(bytes).startsWith(kUriPrefix)) return QString::fromUtf8(bytes);
  return kUriPrefix + QString::fromLatin1(QByteArray::fromStdString(bytes).toPercentEncoding("/"));
}
std::string decoded(const QString& text, std::string*) {
  if (!text.startsWith(kUriPrefix)) return text.toUtf8().toStdString();
  return QByteArray::fromPercentEncoding(text.mid(kUriPrefix.size()).toLatin1()).toStdString();
}

// A number kept as decimal text; what does not read as one (a hand edit) is
// the default's.
QString encoded(int value) { return QString::number(value); }
int decoded(const QString& text, const char* defaultText) {
  bool ok = false;
  const int value = text.toInt(&ok);
  return ok ? value : QString::fromLatin1(defaultText).toInt();
}

// A place as "left top width height"; anything else (a hand edit) is none.
QString encoded(const QRect& r) {
  return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
QRect decoded(const QString& text, QRect*) {
  const QStringList parts = text.split(' ');
  int v[4] = {};
  bool ok = parts.size() == 4;
  for (int i = 0; ok && i < 4; ++i) v[i] = parts[i].toInt(&ok);
  return ok && v[2] > 0 && v[3] > 0 ? QRect(v[0], v[1], v[2], v[3]) : QRect();
}

QString encoded(Answer answer) {
  return answer == Answer::Yes ? QStringLiteral("Y") : answer == Answer::No ? QStringLiteral("N") : QString();
}
Answer decoded(const QString& text, Answer*) {
  if (text.isEmpty()) return Answer::Unset;
  return text == "Y" ? Answer::Yes : text == "N" ? Answer::No : Answer::Other;  // exactly: "y" is neither
}
}  // namespace

template <typename T>
T Setting<T>::read(Context& context) const {
  const QString file = application ? application : context.executableName();
  const QString text = context.settings().get(file, section, key, defaultText);
  if constexpr (std::is_same_v<T, int>) return decoded(text, defaultText);
  else return decoded(text, static_cast<T*>(nullptr));
}

template <typename T>
void Setting<T>::write(Context& context, const T& value) const {
  context.settings().save(application ? application : context.executableName(), section, key, encoded(value));
}

template struct Setting<QString>;
template struct Setting<std::string>;
template struct Setting<Answer>;
template struct Setting<int>;
template struct Setting<QRect>;
