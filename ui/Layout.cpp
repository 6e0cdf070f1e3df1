// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Layout.h"

#include <QWidget>
#include <vector>

#include "ui/FontFamilies.h"
#include "ui/Twips.h"

namespace {
void setFont(QWidget* widget, const Layout::Font& font) {
  if (font.family) {
    widget->setFont(FontFamilies::font(font.family, font.points, font.bold));
  } else if (font.points > 0 || font.bold) {
    QFont changed = widget->font();
    if (font.points > 0) changed.setPointSizeF(font.points);
    if (font.bold) changed.setBold(true);
    widget->setFont(changed);
  }
}
}  // namespace

void Layout::buildInto(QWidget* window, void* holder, std::initializer_list<Control> rows) {
  std::vector<QWidget*> made;
  for (const Control& row : rows) {
    QWidget* parent = window;
    if (row.within) {
      for (QWidget* earlier : made)
        if (earlier->objectName() == QLatin1String(row.within)) parent = earlier;
    }
    QWidget* widget = row.make(row, parent);
    if (row.name) widget->setObjectName(row.name);
    widget->setGeometry(Twips::rect(row.place.left, row.place.top, row.place.width, row.place.height));
    setFont(row.part ? widget->findChild<QWidget*>(row.part) : widget, row.font);
    if (row.into) row.into(holder, widget);
    made.push_back(widget);
  }
}
