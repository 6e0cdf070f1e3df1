// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/FontFamilies.h"
#include "ui/WindowPalette.h"

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("frmabout");
  setWindowTitle(tr("About Quorrel"));
  WindowPalette::apply(this);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // Placed by the layout, one under the other: the window fits its lines.
  struct Line {
    const char* name;
    QString text;
    const QFont* font = nullptr;  // none: the window's
  };
  const QFont heading = FontFamilies::font("Arial", 15.75, true);
  const Line lines[] = {
      {"Label1", tr("Quorrel v 2.0"), &heading},
      {"Label2", tr("Suggestions For Further Improvement of this software is almost welcomed.")},
      {"Label3", tr("THE SOFTWARE IS FREE TO USE.")},
      {"Label4", tr("Finds files as you watch: no index, no database, no background service.")},
  };
  for (const Line& line : lines) {
    auto* label = new QLabel(line.text, this);
    label->setObjectName(line.name);
    if (line.font) label->setFont(*line.font);
    layout->addWidget(label);
  }
}
