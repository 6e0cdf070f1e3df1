// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documents/PdfText.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <climits>
#include <memory>
#include <string>

#include "platform/documents/DocumentInput.h"
#include "platform/documents/TextOut.h"

namespace {
// Poppler tells of every flaw it meets on stderr; a damaged file is
// reported by its outcome instead. (Poppler keeps this for the process.)
void quiet() {
  static const bool once = (poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr), true);
  (void)once;
}

bool readWhole(DocumentInput& input, TextOut& out, std::string& bytes) {
  const std::int64_t size = input.size();
  if (size < 0 || std::uint64_t(size) > out.limits().maxInMemory || size > INT_MAX) {
    out.fail(DocumentOutcome::TooLarge);
    return false;
  }
  bytes.resize(std::size_t(size));
  std::size_t got = 0;
  if (input.seek(0, SEEK_SET) != 0) return out.fail(DocumentOutcome::Unreadable), false;
  while (got < bytes.size()) {
    const long n = input.read(bytes.data() + got, bytes.size() - got);
    if (n < 0) return out.fail(DocumentOutcome::Unreadable), false;
    if (n == 0) break;  // shorter than it was: what there is
    got += std::size_t(n);
  }
  bytes.resize(got);
  return out.goOn();
}
}  // namespace

void PdfText::read(DocumentInput& input, TextOut& out) {
  quiet();
  std::string bytes;
  if (!readWhole(input, out, bytes)) return;
  const std::unique_ptr<poppler::document> pdf(poppler::document::load_from_raw_data(bytes.data(), int(bytes.size())));
  if (!pdf) return out.fail(DocumentOutcome::Damaged);
  if (pdf->is_locked()) return out.fail(DocumentOutcome::Encrypted);
  bool anyText = false;
  const int pages = pdf->pages();
  for (int i = 0; i < pages && out.goOn(); ++i) {
    const std::unique_ptr<poppler::page> page(pdf->create_page(i));
    if (!page) continue;
    const poppler::byte_array text = page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout).to_utf8();
    for (const char c : text) anyText = anyText || !(c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f');
    if (!out.add(std::string_view(text.data(), text.size())) || !out.lineBreak()) return;
  }
  if (out.failed() || out.enough()) return;
  if (!anyText && pages > 0) return out.fail(DocumentOutcome::NoText);  // pictures of pages: nothing to search
  out.flush();
}
