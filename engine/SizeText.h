// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>

// A file's size as the results show it: whole kilobytes, a half going to the
// even neighbour, then " KB".
namespace SizeText {
std::int64_t kilobytes(std::int64_t bytes);
QString fromBytes(std::int64_t bytes);
}  // namespace SizeText
