// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/FileTransfer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/core/PathName.h"

namespace {
const QString kUriList = QStringLiteral("text/uri-list");
const QString kGnomeFiles = QStringLiteral("x-special/gnome-copied-files");
}  // namespace

QStringList FileTransfer::formats() { return {QStringLiteral("text/plain"), kUriList, kGnomeFiles}; }

QMimeData* FileTransfer::files(const std::vector<std::string>& paths, const QString& text) {
  QByteArray uris, gnome = "copy";
  for (const std::string& path : paths) {
    const QByteArray uri = QByteArray::fromStdString(PathName::fileUri(path));
    uris += uri + "\r\n";
    gnome += '\n' + uri;
  }
  QMimeData* data = FileTransfer::text(text);
  data->setData(kUriList, uris);
  data->setData(kGnomeFiles, gnome);
  return data;
}

QMimeData* FileTransfer::text(const QString& text) {
  auto* data = new QMimeData;
  data->setText(text);
  return data;
}

void FileTransfer::toClipboard(QMimeData* data) { QGuiApplication::clipboard()->setMimeData(data); }
