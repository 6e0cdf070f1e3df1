#pragma once
#include <QString>
#include <string_view>

// Turns raw name bytes into text to show, so that every name shows as itself
// where it can and nothing can break a row or disguise a name: a byte that is
// not part of valid UTF-8 shows as \xHH (80 to ff), a control character as
// \n, \t, \r or \xHH (00 to 7f) or \uHHHH (beyond), a line or paragraph
// separator, bidirectional control or zero-width character as \uHHHH, and a
// backslash as \\, so the text maps back to the exact bytes.
class DisplayText {
public:
  static QString fromBytes(std::string_view bytes);
  static bool isHidden(char32_t c);
};
