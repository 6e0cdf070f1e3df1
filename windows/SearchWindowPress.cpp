// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QThread>

#include "engine/FolderWalk.h"
#include "platform/core/FileSystem.h"
#include "ui/Context.h"
#include "ui/LabelButton.h"
#include "windows/LocationBox.h"

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

bool SearchWindow::passes(const PressStep& step, SearchQuery& query) {
  SharedState& state = context_.state();
  switch (step.kind) {
    case PressStep::TextLength: {
      QLineEdit* field = step.field == PressStep::NameField ? nameField : own_.containingField;
      if (!field || characters(trimBlanks(field->text())) >= 3) return true;
      context_.message(step.icon, step.title, step.message);
      if (step.focus) field->setFocus();
      return false;
    }
    case PressStep::LocationGiven:
      if (!trimBlanks(locationBox->currentText()).isEmpty()) return true;
      context_.message(step.icon, step.title, step.message);
      if (step.focus) locationBox->setFocus();
      return false;
    case PressStep::Configure:
      if (description_.configure) description_.configure(own_, query);
      return true;
    case PressStep::MatchCase: state.matchCase = matchCaseBox->isChecked(); return true;
    case PressStep::LocationExists:
      if (context_.fileSystem().folderExists(locations_->bytes())) return true;
      context_.message(QMessageBox::Critical, tr("Error"), locationBox->currentText() + tr(" path was not found."));
      return false;
  }
  return true;
}

void SearchWindow::findPressed() {
  if (!walk_) return;
  walk_->emptyQueue();  // every press, before any check
  for (const PressStep& step : description_.press)
    if (!passes(step, query_)) return;
  query_.startFolder = locations_->bytes();
  const SearchQuery query = query_;  // the walk may outlive the window
  const QPointer<SearchWindow> self(this);
  context_.showBusy(1, description_.busyCaption);
  if (!self || !walk_) return;
  if (findButton->text() == kFind) {
    findButton->setText(kStop);
    statusLabel->setVisible(true);
    yield_.restart();
    searching_ = true;
    walkLoopLevel_ = QThread::currentThread()->loopLevel();
    walk_->start(query);  // returns when the walk has ended; the window may be gone by then
    if (self) searching_ = false;
  } else {
    requestStop();
    findButton->setText(kFind);
    statusLabel->setVisible(false);
  }
}
