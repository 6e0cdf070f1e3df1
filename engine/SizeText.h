#pragma once
#include <QString>
#include <cstdint>

// A file's size as the results show it: whole kilobytes, a half going to the
// even neighbour, then " KB".
class SizeText {
public:
  static std::int64_t kilobytes(std::int64_t bytes);
  static QString fromBytes(std::int64_t bytes);
};
