// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a document (zip, PDF, compressed, UTF-16): never a crash, a
// hang or more text than the limits let out; the zip's entry names are
// never used as paths.
#include <cstdlib>
#include <string>

#include "platform/documents/DocumentText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  MemoryInput input(bytes);
  DocumentLimits limits;
  limits.maxText = 4 << 20;
  limits.maxTime = std::chrono::milliseconds(2000);
  std::size_t text = 0;
  const TextOut::Sink sink = [&](std::string_view t) { return text += t.size(), false; };
  const DocumentOutcome outcome = DocumentText::read(input, sink, limits, nullptr);
  // Bytes that are no document come back whole; a document's text within the limit.
  if (outcome == DocumentOutcome::Read && text > std::max<std::size_t>(limits.maxText, size)) std::abort();
  return 0;
}
