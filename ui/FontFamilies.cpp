// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FontFamilies.h"

#include <QStringList>

void FontFamilies::install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList()
                                                          << QStringLiteral("Liberation Sans")
                                                          << QStringLiteral("Arimo") << QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"), QStringList() << QStringLiteral("Liberation Serif")
                                                                              << QStringLiteral("Tinos")
                                                                              << QStringLiteral("DejaVu Serif"));
  // Tahoma's widths are close to Arial's; Verdana-like DejaVu Sans runs wider.
  QFont::insertSubstitutions(QStringLiteral("Tahoma"), QStringList()
                                                           << QStringLiteral("Liberation Sans")
                                                           << QStringLiteral("Arimo") << QStringLiteral("DejaVu Sans"));
}

QFont FontFamilies::font(const QString& family, qreal pointSize, bool bold) {
  install();
  QFont f(family);
  f.setPointSizeF(pointSize);
  f.setBold(bold);
  return f;
}
