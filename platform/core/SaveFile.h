// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>
#include <string_view>

// Writes a whole file or nothing: the bytes go to a new file beside it, which
// is renamed over the old one only once all are on disk. A write that fails
// leaves the folder as it was.
namespace SaveFile {
// The next bytes to write; none at the end. They stay valid until the next call.
using Chunks = std::function<std::string_view()>;
// false, with the system's reason in error, when the file could not be written.
bool write(const QString& path, const Chunks& next, QString& error);
bool write(const QString& path, std::string_view bytes, QString& error);
}  // namespace SaveFile
