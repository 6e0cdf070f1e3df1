// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QString>

// The one place where the font families the windows are designed with
// (Arial, Times New Roman, Tahoma) meet the fonts installed here: each is
// mapped to a metric-compatible family where one exists (Liberation Sans for
// Arial, Liberation Serif for Times New Roman) and to the closest sans for
// Tahoma, so every window asks for its design family and gets the substitute.
namespace FontFamilies {
void install();
// A font of a design family, mapped.
QFont font(const QString& family, qreal pointSize, bool bold = false);
}  // namespace FontFamilies
