// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

class DocumentInput;
class TextOut;

// The zip-based documents: OpenDocument, Office Open XML and EPUB, known by
// their `mimetype` or `[Content_Types].xml`. Each part is read and expanded
// in pieces, nothing written anywhere. NotDocument (through out) for any other zip.
namespace ZipText {
// Whether a file's first bytes name a document part first, as these
// formats do: a damaged one is still a document.
bool namesDocumentPart(std::string_view head);
void read(DocumentInput& input, TextOut& out, bool documentPartFirst);
}  // namespace ZipText
