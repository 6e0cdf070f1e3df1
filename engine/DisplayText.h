#pragma once
#include <QString>
#include <string_view>

// Turns raw name bytes into text to show: bytes that are not UTF-8 become
// replacement characters, and characters that could break a row or disguise
// a name become visible escapes: control characters (a newline shows as \n),
// line and paragraph separators, bidirectional controls and zero-width
// characters (U+202E shows as \u202e).
class DisplayText {
public:
  static QString fromBytes(std::string_view bytes);
  static bool isHidden(char16_t c);
};
