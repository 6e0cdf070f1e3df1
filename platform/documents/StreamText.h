// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

class DocumentInput;
class TextOut;

namespace StreamText {
// Text in UTF-16 of either order, after its byte-order mark: as UTF-8.
bool isUtf16(std::string_view head);
void readUtf16(DocumentInput& input, TextOut& out);
// One file compressed with gzip, xz, bzip2 or zstd (libarchive): its content
// as bytes, or as the document it holds (one level: a compressed file in it
// stays compressed).
bool isCompressed(std::string_view head);
// inner reads the content when isDocument says its first bytes are a document's.
using DocumentReader = void (*)(DocumentInput& input, TextOut& out);
using DocumentTest = bool (*)(std::string_view head);
void readCompressed(DocumentInput& input, TextOut& out, DocumentTest isDocument, DocumentReader inner);
}  // namespace StreamText
