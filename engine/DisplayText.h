#pragma once
#include <QString>
#include <string_view>

// Turns raw name bytes into text to show: bytes that are not UTF-8 become
// replacement characters, and control characters become visible escapes
// (a newline shows as \n) so that no name breaks a row.
class DisplayText {
public:
  static QString fromBytes(std::string_view bytes);
};
