// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// Paths are raw bytes from the directory read to the file open.
namespace PathName {
inline constexpr char separator = '/';
// folder + separator + name, without doubling the separator after a root
// ("/" + "etc" is "/etc").
std::string join(std::string_view folder, std::string_view name);
void joinInto(std::string& out, std::string_view folder, std::string_view name);
// The file:// URI that names a path's exact bytes: every byte but '/' and the
// unreserved ASCII ones percent-escaped, whether or not it is UTF-8.
std::string fileUri(std::string_view path);
}  // namespace PathName
