// SPDX-License-Identifier: GPL-3.0-or-later
// The name test against the plain reference: text, a zero byte, then a name.
#include <cstdlib>

#include "FuzzKeys.h"
#include "engine/NameTest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = input.find('\0');
  if (cut == std::string_view::npos) return 0;
  const std::string text = asFieldText(input.substr(0, cut));
  const std::string_view name = input.substr(cut + 1);
  NameTest test;
  test.prepare(QString::fromStdString(text));
  const auto textKeys = referenceKeys(text), nameKeys = referenceKeys(name);
  if (test.matches(name, false) != referenceContains(nameKeys, textKeys)) std::abort();
  if (test.matches(name, true) != (nameKeys == textKeys)) std::abort();
  return 0;
}
