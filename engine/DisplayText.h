// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <string>
#include <string_view>

// Turns raw name bytes into text to show, so that every name shows as itself
// where it can and nothing can break a row or disguise a name: a byte that is
// not part of valid UTF-8 shows as \xHH (80 to ff), a control character as
// \n, \t, \r or \xHH (00 to 7f) or \uHHHH (beyond), and a line or paragraph
// separator, bidirectional control or other character that draws nothing
// (Unicode's default-ignorable code points) as \uHHHH, or \UHHHHHHHH past
// U+FFFF; a backslash shows as \\, so the text maps back to the exact bytes.
// The same text is what a copy or a drag gives other programs: pasted into a
// terminal no character of it acts as a key, and pasted into the location
// box it names the same folder; a name that needs no escape stays itself.
namespace DisplayText {
QString fromBytes(std::string_view bytes);
bool isHidden(char32_t c);
// The bytes the text stands for: the inverse of fromBytes, and for typed
// text the escapes above read the same way (hex digits in either case). A
// backslash that starts none of them is a backslash: "\q" stays as it is,
// while "C:\temp" holds a tab. Everything else is UTF-8.
std::string toBytes(QStringView text);
}  // namespace DisplayText
