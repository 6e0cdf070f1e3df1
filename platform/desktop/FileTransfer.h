// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QMimeData;

// What a copy or a drag of files offers other programs: text for editors and
// terminals, and the files themselves for file managers, as file:// URIs
// (text/uri-list, CRLF after each) and in the form GNOME's file manager
// pastes from (x-special/gnome-copied-files: "copy", then a URI per line).
// The URIs name the paths' exact bytes.
namespace FileTransfer {
QStringList formats();
QMimeData* files(const std::vector<std::string>& paths, const QString& text);
QMimeData* text(const QString& text);
// The clipboard takes the data over.
void toClipboard(QMimeData* data);
}  // namespace FileTransfer
