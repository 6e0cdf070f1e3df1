// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documents/StreamText.h"

#include <archive.h>
#include <archive_entry.h>

#include <QStringDecoder>
#include <memory>
#include <string>

#include "platform/documents/ArchiveSource.h"
#include "platform/documents/DocumentInput.h"
#include "platform/documents/TextOut.h"

namespace {
using namespace ArchiveSource;

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
}  // namespace

bool StreamText::isUtf16(std::string_view head) { return startsWith(head, "\xFF\xFE") || startsWith(head, "\xFE\xFF"); }

void StreamText::readUtf16(DocumentInput& input, TextOut& out) {
  char head[2];
  if (input.seek(0, SEEK_SET) != 0 || input.read(head, 2) != 2) return out.fail(DocumentOutcome::Unreadable);
  QStringDecoder decode(head[0] == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
  const auto piece = std::make_unique<char[]>(kPiece);
  for (;;) {
    const long n = input.read(piece.get(), kPiece);
    if (n < 0) return out.fail(DocumentOutcome::Unreadable);
    if (n == 0) break;
    const QString text = decode(QByteArrayView(piece.get(), n));
    if (!out.add(text.toUtf8().toStdString()) || !out.goOn()) return;
  }
  out.flush();
}

bool StreamText::isCompressed(std::string_view head) {
  return startsWith(head, "\x1F\x8B") ||
         startsWith(head, std::string_view("\xFD"
                                           "7zXZ\0",
                                           6)) ||
         (startsWith(head, "BZh") && head.size() > 3 && head[3] >= '1' && head[3] <= '9') ||
         startsWith(head, "\x28\xB5\x2F\xFD");
}

void StreamText::readCompressed(DocumentInput& input, TextOut& out, DocumentTest isDocument, DocumentReader inner) {
  if (input.seek(0, SEEK_SET) != 0) return out.fail(DocumentOutcome::Unreadable);
  const auto source = std::make_unique<Source>(Source{input, out, {}});
  const Archive a(archive_read_new());
  if (!a) return out.fail(DocumentOutcome::Unreadable);
  archive_read_support_filter_gzip(a.get());
  archive_read_support_filter_xz(a.get());
  archive_read_support_filter_bzip2(a.get());
  archive_read_support_filter_zstd(a.get());
  archive_read_support_format_raw(a.get());
  archive_entry* entry = nullptr;
  if (archive_read_open(a.get(), source.get(), nullptr, readPiece, nullptr) != ARCHIVE_OK ||
      archive_read_next_header(a.get(), &entry) != ARCHIVE_OK)
    return out.fail(out.failed() ? out.outcome() : DocumentOutcome::Damaged);
  // The first piece tells whether a document is inside: that one is kept
  // whole, within the limits, and read as such; anything else goes on as bytes.
  std::string kept;
  bool document = false;
  const auto piece = std::make_unique<char[]>(kPiece);
  for (bool first = true;; first = false) {
    const la_ssize_t n = archive_read_data(a.get(), piece.get(), kPiece);
    if (n < 0) return out.fail(out.failed() ? out.outcome() : DocumentOutcome::Damaged);
    if (n == 0) break;
    if (!out.expanded(std::uint64_t(n))) return;
    const std::string_view bytes(piece.get(), std::size_t(n));
    if (first) document = isDocument(bytes);
    if (document) kept.append(bytes);
    else if (!out.add(bytes)) return;
  }
  if (!document) return void(out.flush());
  MemoryInput content(kept);
  inner(content, out);
}
