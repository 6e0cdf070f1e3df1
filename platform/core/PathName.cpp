// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/PathName.h"

#include <QByteArray>

std::string PathName::join(std::string_view folder, std::string_view name) {
  std::string out;
  joinInto(out, folder, name);
  return out;
}

void PathName::joinInto(std::string& out, std::string_view folder, std::string_view name) {
  out.clear();
  out.reserve(folder.size() + 1 + name.size());
  out.append(folder);
  if (out.empty() || out.back() != separator) out.push_back(separator);
  out.append(name);
}

std::string PathName::fileUri(std::string_view path) {
  const QByteArray bytes = QByteArray::fromRawData(path.data(), qsizetype(path.size()));
  return "file://" + bytes.toPercentEncoding("/").toStdString();
}
