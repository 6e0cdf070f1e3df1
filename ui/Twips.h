// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>

// Window layouts are given in twips (1/1440 inch, 15 to a pixel at 96 dpi).
// Qt's device-independent pixels already follow the screen's scale factor.
namespace Twips {
int toPixels(int twips);
inline int fromPixels(int pixels) { return pixels * 15; }
QRect rect(int left, int top, int width, int height);
}  // namespace Twips
