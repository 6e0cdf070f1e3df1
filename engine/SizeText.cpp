// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SizeText.h"

std::int64_t SizeText::kilobytes(std::int64_t bytes) {
  std::int64_t q = bytes / 1024;
  const std::int64_t r = bytes % 1024;
  if (r > 512 || (r == 512 && (q & 1))) ++q;
  return q;
}

QString SizeText::fromBytes(std::int64_t bytes) { return QString::number(kilobytes(bytes)) + QStringLiteral(" KB"); }
