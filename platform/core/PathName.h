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
}  // namespace PathName
