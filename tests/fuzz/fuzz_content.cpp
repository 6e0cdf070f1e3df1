// SPDX-License-Identifier: GPL-3.0-or-later
// The content matcher against the plain reference, the content cut into
// chunks of sizes the input chooses: a size byte, the text, a zero byte, the content.
#include <cstdlib>

#include "FuzzKeys.h"
#include "engine/ContentMatcher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t chunk = 1 + data[0] % 64;
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t cut = input.find('\0');
  if (cut == std::string_view::npos) return 0;
  const std::string text = asFieldText(input.substr(0, cut));
  const std::string_view content = input.substr(cut + 1);
  ContentMatcher matcher;
  matcher.prepare(text);
  bool found = false;
  for (std::size_t from = 0; from < content.size() && !found; from += chunk)
    found = matcher.feed(content.data() + from, std::min(chunk, content.size() - from));
  found = found || matcher.finish();
  const bool expected = text.empty() ? !content.empty() : referenceContains(referenceKeys(content), referenceKeys(text));
  if (found != expected) std::abort();
  return 0;
}
