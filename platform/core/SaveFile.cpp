// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SaveFile.h"

#include <unistd.h>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

// Unbuffered: a buffered write that the disk takes only in part is reported
// as whole, and committed so, cut short.
bool SaveFile::write(const QString& path, std::string_view bytes, QString& error) {
  QSaveFile file(path);  // dropped unless committed
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    error = file.errorString();
    return false;
  }
  errno = 0;
  const auto size = qint64(bytes.size());
  // Synced before the rename: a disk that is full or gone may say so only here.
  if (file.write(bytes.data(), size) == size && ::fsync(file.handle()) == 0 && file.commit()) return true;
  error = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
  return false;
}
