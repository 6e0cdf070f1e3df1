// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documents/ZipText.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/documents/ArchiveSource.h"
#include "platform/documents/DocumentInput.h"
#include "platform/documents/TextOut.h"
#include "platform/documents/XmlText.h"

namespace {
enum class Kind { Unknown, OpenDocument, Word, Sheet, Slides, Epub };
using namespace ArchiveSource;
constexpr std::size_t kSmallPart = 1 << 20;  // mimetype, content types, manifest: read whole

la_int64_t seekTo(archive*, void* data, la_int64_t offset, int whence) {
  return static_cast<Source*>(data)->input.seek(offset, whence);
}

Archive open(Source& source) {
  Archive a(archive_read_new());
  if (!a || source.input.seek(0, SEEK_SET) != 0) return nullptr;
  archive_read_support_format_zip_seekable(a.get());  // the central directory: what a reader sees
  archive_read_set_read_callback(a.get(), readPiece);
  archive_read_set_seek_callback(a.get(), seekTo);
  archive_read_set_callback_data(a.get(), &source);
  if (archive_read_open1(a.get()) != ARCHIVE_OK) return nullptr;
  return a;
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool endsWith(std::string_view s, std::string_view p) {
  return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

// A part straight in folder (no further folder) named prefix...xml.
bool partIn(std::string_view name, std::string_view folder, std::string_view prefix = {}) {
  if (!startsWith(name, folder)) return false;
  const std::string_view rest = name.substr(folder.size());
  return rest.find('/') == std::string_view::npos && startsWith(rest, prefix) && endsWith(rest, ".xml");
}

std::optional<XmlText::Part> partOf(Kind kind, std::string_view name) {
  using Part = XmlText::Part;
  switch (kind) {
    case Kind::OpenDocument:
      if (name == "content.xml") return Part::OdfContent;
      if (name == "styles.xml") return Part::OdfStyles;
      if (name == "meta.xml") return Part::OdfMeta;
      break;
    case Kind::Word:
      for (const char* p : {"document", "header", "footer", "footnotes", "endnotes", "comments"})
        if (partIn(name, "word/", p)) return Part::WordText;
      break;
    case Kind::Sheet:
      if (name == "xl/sharedStrings.xml") return Part::SheetStrings;
      if (partIn(name, "xl/worksheets/")) return Part::SheetCells;
      break;
    case Kind::Slides:
      if (partIn(name, "ppt/slides/") || partIn(name, "ppt/notesSlides/")) return Part::SlideText;
      break;
    case Kind::Epub:
      if (endsWith(name, ".xhtml") || endsWith(name, ".html") || endsWith(name, ".htm")) return Part::Xhtml;
      break;
    case Kind::Unknown: break;
  }
  return std::nullopt;
}

// A small part whole, or nothing when it is larger than parts of its kind are.
std::optional<std::string> smallPart(archive* a, TextOut& out) {
  std::string bytes;
  char piece[8192];
  for (;;) {
    const la_ssize_t n = archive_read_data(a, piece, sizeof piece);
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    if (!out.expanded(std::uint64_t(n)) || bytes.size() + std::size_t(n) > kSmallPart) return std::nullopt;
    bytes.append(piece, std::size_t(n));
  }
}

// The kind of an Office Open XML package, from the content type of its main
// part: other parts may name other kinds (a presentation's chart keeps its
// data as an embedded workbook).
Kind officeKind(std::string_view types) {
  constexpr std::string_view kMain = ".main+xml";
  for (std::size_t at = types.find(kMain); at != std::string_view::npos; at = types.find(kMain, at + 1)) {
    const std::size_t quote = types.rfind('"', at);
    const std::size_t from = quote == std::string_view::npos ? 0 : quote;
    const std::string_view type = types.substr(from, at - from);
    const auto names = [type](std::string_view a, std::string_view b) {
      return type.find(a) != std::string_view::npos || type.find(b) != std::string_view::npos;
    };
    if (names("wordprocessingml", "ms-word")) return Kind::Word;
    if (names("spreadsheetml", "ms-excel")) return Kind::Sheet;
    if (names("presentationml", "ms-powerpoint")) return Kind::Slides;
  }
  return Kind::Unknown;
}

// An e-book's encryption list names its pages when they are enciphered;
// fonts alone are only obfuscated, and the pages stay readable.
bool enciphersPages(std::string_view list) {
  return list.find(".xhtml\"") != std::string_view::npos || list.find(".html\"") != std::string_view::npos ||
         list.find(".htm\"") != std::string_view::npos;
}

// The first pass: which kind of document, from the parts that say so;
// nothing when the archive is damaged.
std::optional<Kind> kindOf(archive* a, TextOut& out) {
  Kind kind = Kind::Unknown;
  bool encrypted = false;
  archive_entry* entry = nullptr;
  int status;
  while ((status = archive_read_next_header(a, &entry)) == ARCHIVE_OK || status == ARCHIVE_WARN) {
    const std::string_view name = archive_entry_pathname(entry) ? archive_entry_pathname(entry) : "";
    if (name != "mimetype" && name != "[Content_Types].xml" && name != "META-INF/manifest.xml" &&
        name != "META-INF/encryption.xml")
      continue;
    if (archive_entry_is_data_encrypted(entry)) {
      out.fail(DocumentOutcome::Encrypted);
      return Kind::Unknown;
    }
    const std::optional<std::string> part = smallPart(a, out);
    if (!part) break;
    if (name == "mimetype" && startsWith(*part, "application/vnd.oasis.opendocument.")) kind = Kind::OpenDocument;
    else if (name == "mimetype" && startsWith(*part, "application/epub+zip")) kind = Kind::Epub;
    else if (name == "META-INF/manifest.xml") encrypted |= part->find("encryption-data") != std::string::npos;
    else if (name == "META-INF/encryption.xml") encrypted |= enciphersPages(*part);
    else if (name == "[Content_Types].xml") kind = officeKind(*part);
  }
  if (status != ARCHIVE_EOF) return std::nullopt;
  if (encrypted && kind != Kind::Unknown) out.fail(DocumentOutcome::Encrypted);  // its parts are ciphertext
  return kind;
}

void readPart(archive* a, XmlText::Part part, TextOut& out) {
  XmlText xml(part, out);
  char piece[kPiece];
  for (;;) {
    const la_ssize_t n = archive_read_data(a, piece, sizeof piece);
    if (n < 0) return out.fail(DocumentOutcome::Damaged);
    if (n == 0) {
      xml.finish();
      return;
    }
    if (!out.expanded(std::uint64_t(n)) || !xml.feed(piece, std::size_t(n))) return;
  }
}
}  // namespace

bool ZipText::namesDocumentPart(std::string_view head) {
  if (head.size() < 30 || !startsWith(head, "PK\3\4")) return false;
  const std::size_t length =
      std::size_t(static_cast<unsigned char>(head[26])) | std::size_t(static_cast<unsigned char>(head[27])) << 8;
  const std::string_view name = head.substr(30, length);
  return name == "mimetype" || name == "[Content_Types].xml";
}

void ZipText::read(DocumentInput& input, TextOut& out, bool documentPartFirst) {
  const auto source = std::make_unique<Source>(Source{input, out, {}});
  Archive a = open(*source);
  if (!a) return out.fail(documentPartFirst ? DocumentOutcome::Damaged : DocumentOutcome::NotDocument);
  const std::optional<Kind> found = kindOf(a.get(), out);
  if (out.failed()) return;
  // A zip of other files, damaged or not, is searched as bytes.
  if (!found) return out.fail(documentPartFirst ? DocumentOutcome::Damaged : DocumentOutcome::NotDocument);
  const Kind kind = *found;
  if (kind == Kind::Unknown) return out.fail(DocumentOutcome::NotDocument);
  a = open(*source);
  if (!a) return out.fail(DocumentOutcome::Damaged);
  archive_entry* entry = nullptr;
  int status;
  while ((status = archive_read_next_header(a.get(), &entry)) == ARCHIVE_OK || status == ARCHIVE_WARN) {
    const char* name = archive_entry_pathname(entry);
    const std::optional<XmlText::Part> part = partOf(kind, name ? name : "");
    if (!part) continue;
    if (archive_entry_is_data_encrypted(entry)) return out.fail(DocumentOutcome::Encrypted);
    readPart(a.get(), *part, out);
    if (out.failed() || out.enough()) return;
  }
  if (status != ARCHIVE_EOF) out.fail(DocumentOutcome::Damaged);
  out.flush();
}
