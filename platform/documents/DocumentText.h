// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <string_view>

#include "platform/documents/DocumentInput.h"
#include "platform/documents/TextOut.h"

// The text a user reads in a document, known by its content, never its
// name: OpenDocument, Office Open XML, EPUB, PDF, a file compressed with
// gzip, xz, bzip2 or zstd, UTF-16 text with a byte-order mark.
namespace DocumentText {
// Whether a file whose first bytes these are is read here (at least 4 KiB
// of them, or the whole file).
bool isDocument(std::string_view head);
// Hands the text to sink from the start of input until sink says it has
// enough. A file that proves to be none of these (a zip of other files)
// is handed on as its bytes, without limits, as any other file.
DocumentOutcome read(DocumentInput& input, const TextOut::Sink& sink, const DocumentLimits& limits,
                     const std::atomic<bool>* cancel);
}  // namespace DocumentText
