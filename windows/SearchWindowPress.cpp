// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/core/FileSystem.h"
#include "ui/Context.h"
#include "ui/LabelButton.h"
#include "windows/LocationBox.h"
#include "windows/SearchSession.h"

namespace {
// Only blanks count as leading and trailing space here, not tabs.
QString trimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return text.mid(first, last - first);
}

qsizetype characters(const QString& text) { return text.toUcs4().size(); }
}  // namespace

bool SearchWindow::passes(const PressStep& step) {
  switch (step.kind) {
    case PressStep::TextLength: {
      QLineEdit* field = step.field == PressStep::NameField ? c_.nameField : c_.own.containingField;
      const qsizetype given = field ? characters(trimBlanks(field->text())) : 3;
      if (given >= 3 || (step.optional && field->text().isEmpty())) return true;
      context_.message(step.icon, step.title, step.message);
      if (step.focus) field->setFocus();
      return false;
    }
    case PressStep::LocationGiven:
      if (!trimBlanks(c_.locationBox->currentText()).isEmpty()) return true;
      context_.message(step.icon, step.title, step.message);
      if (step.focus) c_.locationBox->setFocus();
      return false;
    case PressStep::Configure:
      if (description_.configure) description_.configure(c_.own, session_->query());
      return true;
    case PressStep::MatchCase: session_->setMatchCase(c_.matchCaseBox->isChecked()); return true;
    case PressStep::LocationExists:
      if (context_.fileSystem().folderExists(locations_->bytes())) return true;
      context_.message(QMessageBox::Critical, tr("Error"),
                       tr("%1 path was not found.").arg(c_.locationBox->currentText()));
      return false;
  }
  return true;
}

// The checks are the window's; the search is the session's. Nothing of the
// window is touched after the hand-over: events run inside it, and one of
// them may close and free the window.
void SearchWindow::findPressed() {
  if (!session_->isOpen()) return;
  session_->emptyQueue();  // every press, before any check
  for (const PressStep& step : description_.press)
    if (!passes(step)) return;
  session_->press(locations_->bytes(), description_.busyCaption);
}
