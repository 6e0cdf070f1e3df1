// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SaveFile.h"

#include <unistd.h>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <utility>

// Unbuffered: a buffered write that the disk takes only in part is reported
// as whole, and committed so, cut short. Every chunk is checked whole.
bool SaveFile::write(const QString& path, const Chunks& next, QString& error) {
  QSaveFile file(path);  // dropped unless committed
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    error = file.errorString();
    return false;
  }
  errno = 0;
  bool written = true;
  for (std::string_view bytes = next(); written && !bytes.empty(); bytes = next())
    written = file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
  // Synced before the rename: a disk that is full or gone may say so only here.
  if (written && ::fsync(file.handle()) == 0 && file.commit()) return true;
  error = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
  return false;
}

bool SaveFile::write(const QString& path, std::string_view bytes, QString& error) {
  return write(
      path, [&bytes] { return std::exchange(bytes, {}); }, error);
}
