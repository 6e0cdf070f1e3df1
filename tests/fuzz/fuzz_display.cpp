// The text shown for a name: valid, with nothing hidden in it, and mapping
// back to the exact bytes.
#include <cstdlib>

#include "FuzzKeys.h"
#include "engine/DisplayText.h"

namespace {
std::string mappedBack(const QString& shown) {
  std::string out;
  const std::u32string chars = shown.toStdU32String();
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] != '\\') {
      out += encodeUtf8(chars[i]);
      continue;
    }
    if (++i >= chars.size()) std::abort();
    const char32_t kind = chars[i];
    if (kind == '\\') out += '\\';
    else if (kind == 'n') out += '\n';
    else if (kind == 'r') out += '\r';
    else if (kind == 't') out += '\t';
    else if (kind == 'x' || kind == 'u') {
      const std::size_t digits = kind == 'x' ? 2 : 4;
      if (i + digits >= chars.size()) std::abort();
      unsigned value = 0;
      for (std::size_t k = 1; k <= digits; ++k) {
        const char32_t h = chars[i + k];
        const int v = h >= '0' && h <= '9' ? int(h - '0') : h >= 'a' && h <= 'f' ? int(h - 'a' + 10) : -1;
        if (v < 0) std::abort();
        value = value * 16 + unsigned(v);
      }
      if (kind == 'x' && value >= 0x80) out += char(value);  // a byte that is not UTF-8
      else out += encodeUtf8(value);
      i += digits;
    } else {
      std::abort();
    }
  }
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const QString shown = DisplayText::fromBytes(bytes);
  for (char32_t c : shown.toStdU32String())
    if (DisplayText::isHidden(c) || (c >= 0xD800 && c <= 0xDFFF)) std::abort();
  if (QString::fromUtf8(shown.toUtf8()) != shown) std::abort();
  if (mappedBack(shown) != bytes) std::abort();
  return 0;
}
