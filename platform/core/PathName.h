#pragma once
#include <string>
#include <string_view>

// Paths are raw bytes from the directory read to the file open.
class PathName {
public:
  static constexpr char separator = '/';
  // folder + separator + name, without doubling the separator after a root
  // ("/" + "etc" is "/etc").
  static std::string join(std::string_view folder, std::string_view name);
  static void joinInto(std::string& out, std::string_view folder, std::string_view name);
};
