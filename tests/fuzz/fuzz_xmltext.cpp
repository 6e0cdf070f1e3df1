// SPDX-License-Identifier: GPL-3.0-or-later
// The XML text of a document part: a part byte, then the XML, fed whole and
// then in chunks of a size the input chooses; the text must be the same,
// and never more than the limit.
#include <cstdlib>
#include <string>

#include "platform/documents/XmlText.h"

namespace {
std::string textOf(XmlText::Part part, std::string_view xml, std::size_t chunk, DocumentOutcome& outcome) {
  std::string text;
  const TextOut::Sink sink = [&](std::string_view t) { return text.append(t), false; };
  DocumentLimits limits;
  limits.maxText = 1 << 20;
  TextOut out(sink, limits, std::int64_t(xml.size()), nullptr);
  XmlText reader(part, out);
  bool more = true;
  for (std::size_t from = 0; from < xml.size() && more; from += chunk)
    more = reader.feed(xml.data() + from, std::min(chunk, xml.size() - from));
  if (more) reader.finish();
  out.flush();
  outcome = out.outcome();
  if (text.size() > limits.maxText) std::abort();
  return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto part = XmlText::Part(data[0] % 8);
  const std::size_t chunk = 1 + data[1] % 64;
  const std::string_view xml(reinterpret_cast<const char*>(data + 2), size - 2);
  DocumentOutcome whole, pieces;
  const std::string expected = textOf(part, xml, xml.size() + 1, whole);
  if (textOf(part, xml, chunk, pieces) != expected || pieces != whole) std::abort();
  return 0;
}
