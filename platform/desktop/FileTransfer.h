// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <string_view>

#include "platform/desktop/PathBatch.h"

class QMimeData;

// What a copy or a drag of files offers other programs: text for editors and
// terminals, and the files themselves for file managers, as file:// URIs
// (text/uri-list, CRLF after each) and in the form GNOME's file manager
// pastes from (x-special/gnome-copied-files: "copy", then a URI per line).
// The URIs name the paths' exact bytes. Each form is made only when a program
// asks for it, so a copy of a million files holds the window for no longer
// than a copy of their names' bytes, and leaves nothing once another program
// takes the clipboard.
namespace FileTransfer {
// A path's or name's text line, for text/plain.
using TextOf = QString (*)(std::string_view bytes);
QStringList formats();
QMimeData* files(PathBatch paths, TextOf text);
// Their names only, as text.
QMimeData* names(PathBatch paths, TextOf text);
// The clipboard takes the data over.
void toClipboard(QMimeData* data);
}  // namespace FileTransfer
