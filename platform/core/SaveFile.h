// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <string_view>

// Writes a whole file or nothing: the bytes go to a new file beside it, which
// is renamed over the old one only once all are on disk. A write that fails
// leaves the folder as it was.
namespace SaveFile {
// false, with the system's reason in error, when the file could not be written.
bool write(const QString& path, std::string_view bytes, QString& error);
}  // namespace SaveFile
