// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/FileTransfer.h"

#include <malloc.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/core/PathName.h"

namespace {
const QString kText = QStringLiteral("text/plain");
const QString kUriList = QStringLiteral("text/uri-list");
const QString kGnomeFiles = QStringLiteral("x-special/gnome-copied-files");

// Made anew at each request and not kept: Qt's clipboard and drags ask for a
// form when a program wants it, and a form kept would stay as long as the
// clipboard holds the copy.
class OfferedPaths final : public QMimeData {
public:
  OfferedPaths(PathBatch paths, FileTransfer::TextOf text, bool files)
      : paths_(std::move(paths)), text_(text), files_(files) {}
  // The C library keeps freed memory for the process unless told: the
  // paths, and the forms a paste made, would stay resident after another
  // program has taken the clipboard. Only after a large copy: a trim walks
  // the whole heap, which a copy of one row should not pay for.
  ~OfferedPaths() override {
    const bool large = paths_.size() > 10000;
    paths_ = {};
    if (large) ::malloc_trim(0);
  }
  QStringList formats() const override { return files_ ? FileTransfer::formats() : QStringList{kText}; }
  bool hasFormat(const QString& format) const override { return formats().contains(format); }

protected:
  QVariant retrieveData(const QString& format, QMetaType type) const override {
    if (format == kText) return type.id() == QMetaType::QString ? QVariant(text()) : QVariant(utf8Text());
    if (!files_ || (format != kUriList && format != kGnomeFiles)) return {};
    const bool gnome = format == kGnomeFiles;
    QByteArray out = gnome ? "copy" : "";
    std::string path;
    for (std::size_t i = 0; i < paths_.size(); ++i) {
      paths_.pathInto(path, i);
      if (gnome) out += '\n';
      out += QByteArray::fromStdString(PathName::fileUri(path));
      if (!gnome) out += "\r\n";
    }
    return out;
  }

private:
  // The one text conversion of a row.
  QString line(std::size_t i, std::string& path) const {
    if (!files_) return text_(paths_.name(i));
    paths_.pathInto(path, i);
    return text_(path);
  }
  QString text() const {
    QString out;
    std::string path;
    for (std::size_t i = 0; i < paths_.size(); ++i) out += (i ? "\n" : "") + line(i, path);
    return out;
  }
  QByteArray utf8Text() const {
    QByteArray out;
    std::string path;
    for (std::size_t i = 0; i < paths_.size(); ++i) out += (i ? "\n" : "") + line(i, path).toUtf8();
    return out;
  }

  PathBatch paths_;
  FileTransfer::TextOf text_;
  bool files_;
};
}  // namespace

QStringList FileTransfer::formats() { return {kText, kUriList, kGnomeFiles}; }

QMimeData* FileTransfer::files(PathBatch paths, TextOf text) { return new OfferedPaths(std::move(paths), text, true); }

QMimeData* FileTransfer::names(PathBatch paths, TextOf text) { return new OfferedPaths(std::move(paths), text, false); }

void FileTransfer::toClipboard(QMimeData* data) { QGuiApplication::clipboard()->setMimeData(data); }
