// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Twips.h"

#include <cmath>

int Twips::toPixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QRect Twips::rect(int left, int top, int width, int height) {
  return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
