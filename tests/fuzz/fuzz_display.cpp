// SPDX-License-Identifier: GPL-3.0-or-later
// The text shown for a name: valid, with nothing hidden in it, and mapping
// back through the program's own reading to the exact bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/DisplayText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const QString shown = DisplayText::fromBytes(bytes);
  for (char32_t c : shown.toStdU32String())
    if (DisplayText::isHidden(c) || (c >= 0xD800 && c <= 0xDFFF)) std::abort();
  if (QString::fromUtf8(shown.toUtf8()) != shown) std::abort();
  if (DisplayText::toBytes(shown) != bytes) std::abort();
  return 0;
}
