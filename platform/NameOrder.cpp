#include "platform/NameOrder.h"

#include <QString>
#include <cstring>

namespace {
inline unsigned char asciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }
}  // namespace

int NameOrder::compareIgnoringCase(std::string_view a, std::string_view b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if ((ca | cb) & 0x80) {
      // Rare: beyond ASCII, let Unicode case folding decide the rest.
      const QString qa = QString::fromUtf8(a.data() + i, static_cast<qsizetype>(a.size() - i));
      const QString qb = QString::fromUtf8(b.data() + i, static_cast<qsizetype>(b.size() - i));
      return QString::compare(qa, qb, Qt::CaseInsensitive);
    }
    const int d = int(asciiLower(ca)) - int(asciiLower(cb));
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool NameOrder::less(std::string_view a, std::string_view b) {
  const int c = compareIgnoringCase(a, b);
  if (c != 0) return c < 0;
  return a < b;
}
