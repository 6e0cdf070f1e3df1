// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Letter case, the one way every name and text comparison ignores it: Unicode
// simple case folding (one character to one character: "ſ" and "s", the
// Kelvin sign and "k", "ς" and "σ" fold together; "ß" stays itself, as full
// folding to "ss" would change lengths; "ı" and "İ" have no simple folding).
// Text is UTF-8; bytes that are not part of valid UTF-8 stand for
// themselves, one byte one character, so any byte sequence can be compared.
namespace CaseFold {
inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
bool isAscii(std::string_view text);
char32_t fold(char32_t c);

// The length of the valid UTF-8 sequence at text[i] and its code point, or
// 0 when the byte there does not start one.
int decode(std::string_view text, std::size_t i, char32_t& c);
// Appends the folded form of text: valid characters folded and encoded
// again, other bytes unchanged.
void appendFolded(std::string& out, std::string_view text);
std::string folded(std::string_view text);
// Appends a key whose byte order is the order of folded forms, bytes that are
// not UTF-8 after every character: the folded form, with each byte that is
// not UTF-8 as 0xF8 (which no UTF-8 has) and itself.
void appendSortKey(std::string& out, std::string_view text);

// The comparison key of the character at text[i], moving i past it: the
// folded character, or for a byte that is not UTF-8, 0x110000 + the byte.
std::uint32_t key(std::string_view text, std::size_t& i);
// What a key can look like in text: the first bytes of every character
// that folds to it (or the byte itself), and the most bytes one takes.
std::string firstBytes(std::uint32_t key);
int longestForm(std::uint32_t key);

void appendUtf8(std::string& out, char32_t c);
}  // namespace CaseFold
