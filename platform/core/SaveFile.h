// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>
#include <string>
#include <string_view>

// Writes a whole file or nothing: the bytes go to a new file beside the final
// target of the path's links, are synced, and only then renamed over that
// target, whose permissions the new file keeps. Only a regular file we may
// write to is replaced: a FIFO, a device or a folder in the way is refused,
// never turned into a file. A write that fails leaves the folder as it was.
namespace SaveFile {
// The next bytes to write; none at the end. They stay valid until the next call.
using Chunks = std::function<std::string_view()>;
// false, with the reason in error, when the file could not be written.
bool write(const std::string& path, const Chunks& next, QString& error);
bool write(const std::string& path, std::string_view bytes, QString& error);
bool write(const QString& path, const Chunks& next, QString& error);  // a name as the desktop gives it
}  // namespace SaveFile
