// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documents/DocumentText.h"

#include <memory>
#include <string>

#include "platform/documents/PdfText.h"
#include "platform/documents/StreamText.h"
#include "platform/documents/ZipText.h"

namespace {
enum class Kind { None, Zip, Pdf, Compressed, Utf16 };
constexpr std::size_t kHead = 4096;

Kind kindOf(std::string_view head) {
  if (head.substr(0, 4) == "PK\3\4") return Kind::Zip;
  if (head.substr(0, 5) == "%PDF-") return Kind::Pdf;
  if (StreamText::isCompressed(head)) return Kind::Compressed;
  if (StreamText::isUtf16(head)) return Kind::Utf16;
  return Kind::None;
}

std::string headOf(DocumentInput& input) {
  std::string head(kHead, '\0');
  std::size_t got = 0;
  if (input.seek(0, SEEK_SET) != 0) return {};
  while (got < head.size()) {
    const long n = input.read(head.data() + got, head.size() - got);
    if (n <= 0) break;
    got += std::size_t(n);
  }
  head.resize(got);
  return head;
}

void readAs(Kind kind, std::string_view head, DocumentInput& input, TextOut& out);

bool isInnerDocument(std::string_view head) {
  const Kind kind = kindOf(head);
  return kind != Kind::None && kind != Kind::Compressed;  // one level deep
}

// A compressed file's content, held in memory.
void readInner(DocumentInput& input, TextOut& out) {
  const std::string head = headOf(input);
  readAs(kindOf(head), head, input, out);
  if (out.outcome() != DocumentOutcome::NotDocument) return;
  out.asBytes();
  input.seek(0, SEEK_SET);
  char piece[16384];
  for (long n; (n = input.read(piece, sizeof piece)) > 0;)
    if (!out.add(std::string_view(piece, std::size_t(n)))) return;
  out.flush();
}

void readAs(Kind kind, std::string_view head, DocumentInput& input, TextOut& out) {
  switch (kind) {
    case Kind::Zip: return ZipText::read(input, out, ZipText::namesDocumentPart(head));
    case Kind::Pdf: return PdfText::read(input, out);
    case Kind::Compressed: return StreamText::readCompressed(input, out, isInnerDocument, readInner);
    case Kind::Utf16: return StreamText::readUtf16(input, out);
    case Kind::None: return out.fail(DocumentOutcome::NotDocument);
  }
}

DocumentOutcome readBytes(DocumentInput& input, const TextOut::Sink& sink, const std::atomic<bool>* cancel) {
  if (input.seek(0, SEEK_SET) != 0) return DocumentOutcome::Unreadable;
  const auto piece = std::make_unique<char[]>(64 << 10);
  for (;;) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return DocumentOutcome::Unreadable;
    const long n = input.read(piece.get(), 64 << 10);
    if (n < 0) return DocumentOutcome::Unreadable;
    if (n == 0 || sink(std::string_view(piece.get(), std::size_t(n)))) return DocumentOutcome::Read;
  }
}
}  // namespace

bool DocumentText::isDocument(std::string_view head) { return kindOf(head) != Kind::None; }

DocumentOutcome DocumentText::read(DocumentInput& input, const TextOut::Sink& sink, const DocumentLimits& limits,
                                   const std::atomic<bool>* cancel) {
  const std::string head = headOf(input);
  TextOut out(sink, limits, input.size(), cancel);
  readAs(kindOf(head), head, input, out);
  if (out.outcome() == DocumentOutcome::NotDocument) return readBytes(input, sink, cancel);
  out.flush();
  return out.outcome();
}
