// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/FontFamilies.h"
#include "ui/WindowPalette.h"

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("frmabout");
  setWindowTitle("About Quorrel");
  WindowPalette::apply(this);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  const std::pair<const char*, const char*> lines[] = {
      {"Label1", "Quorrel v 2.0"},
      {"Label2", "Suggestions For Further Improvement of this software is almost welcomed."},
      {"Label3", "THE SOFTWARE IS FREE TO USE."},
      {"Label4", "Finds files as you watch: no index, no database, no background service."},
  };
  for (const auto& [name, text] : lines) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    layout->addWidget(label);
  }
  findChild<QLabel*>("Label1")->setFont(FontFamilies::font("Arial", 15.75, true));
}
