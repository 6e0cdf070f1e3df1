// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>

#include "engine/DisplayText.h"
#include "engine/FolderWalk.h"
#include "ui/Context.h"
#include "windows/ResultsTable.h"

namespace {
QString earlyEndText(FolderWalk::EarlyEnd why) {
  switch (why) {
    case FolderWalk::EarlyEnd::OutOfMemory: return QStringLiteral("out of memory");
    case FolderWalk::EarlyEnd::OutOfHandles: return QStringLiteral("out of file handles");
    case FolderWalk::EarlyEnd::None: break;
  }
  return {};
}
}  // namespace

void SearchWindow::showFoundCount() {
  QString text = QString::number(results_.size()) + " File(s) Found!";
  QStringList tip;
  if (walk_) {
    const std::int64_t unreadable = walk_->unreadable().total();
    if (unreadable > 0) {
      text += QStringLiteral(" (%1 could not be read)").arg(unreadable);
      for (const std::string& p : walk_->unreadable().paths()) tip << DisplayText::fromBytes(p);
    }
    const QString early = earlyEndText(walk_->earlyEnd());
    if (!early.isEmpty()) {
      text += " (search ended early: " + early + ")";
      tip.prepend("The system ran " + early + "; the search stopped there. The files found until then are listed.");
    }
  }
  foundLabel->setText(text);
  const QString joined = tip.join('\n');
  if (joined == shownTip_) return;
  shownTip_ = joined;
  foundLabel->setToolTip(
      joined.isEmpty() ? QString() : Qt::convertFromPlainText(joined, Qt::WhiteSpaceNoWrap));  // paths, never markup
}

void SearchWindow::yieldToEvents() {
  if (!yield_.due()) return;
  // The walk moves on, inside one huge folder too: the watchdog is not to take it for stalled.
  if (description_.watchdog) context_.state().idleTicks = 0;
  table_->flush();
  // Nothing of this window is touched after the events have run: one of
  // them may close and free it.
  EventYield::letEventsIn();
}

QString SearchWindow::nameText() { return nameField->text(); }

QString SearchWindow::containingText() { return own_.containingField ? own_.containingField->text() : QString(); }

bool SearchWindow::matchCase() { return context_.state().matchCase; }

void SearchWindow::requestStop() { context_.state().stopFlag = true; }

bool SearchWindow::stopRequested() { return context_.state().stopFlag; }

void SearchWindow::clearStopRequest() { context_.state().stopFlag = false; }

void SearchWindow::statusChanged(const std::string& folder) {
  if (description_.watchdog) context_.state().idleTicks = 0;
  statusPath_.assign(folder);
  if (!statusShow_.isActive()) statusShow_.start();
}

void SearchWindow::resultsCleared() { table_->reset(); }

void SearchWindow::ended() {
  table_->flush();
  showStatus();
  refreshLook();  // the idle look at once, not at the next tick
}

void SearchWindow::showStatus() {
  statusShow_.stop();
  if (!statusPath_.empty()) statusLabel->setText("Searching In " + DisplayText::fromBytes(statusPath_) + "...");
}
