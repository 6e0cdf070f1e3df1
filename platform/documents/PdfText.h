// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DocumentInput;
class TextOut;

// A PDF's text, page by page in reading order (poppler), a line break after
// each page. The file is read whole into memory, within the limits.
namespace PdfText {
void read(DocumentInput& input, TextOut& out);
}  // namespace PdfText
