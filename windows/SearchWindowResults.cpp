// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>

#include "engine/DisplayText.h"
#include "engine/FolderWalk.h"
#include "ui/Context.h"
#include "ui/LabelButton.h"
#include "windows/ResultsTable.h"
#include "windows/SearchSession.h"

namespace {
QString earlyEndText(FolderWalk::EarlyEnd why) {
  switch (why) {
    case FolderWalk::EarlyEnd::OutOfMemory: return SearchWindow::tr("out of memory");
    case FolderWalk::EarlyEnd::OutOfHandles: return SearchWindow::tr("out of file handles");
    case FolderWalk::EarlyEnd::None: break;
  }
  return {};
}
}  // namespace

void SearchWindow::showFoundCount() {
  const ResultList& results = session_->results();
  QString text = tr("%1 File(s) Found!").arg(results.size());
  QStringList tip;
  if (const FolderWalk* walk = session_->walk()) {
    const std::int64_t unreadable = walk->unreadable().total();
    if (unreadable > 0) {
      text += tr(" (%1 could not be read)").arg(unreadable);
      for (const std::string& p : walk->unreadable().paths()) tip << DisplayText::fromBytes(p);
    }
    if (const std::size_t without = walk->withoutTime(); without > 0)
      text += tr(" (%n without a creation time)", nullptr, int(without));
    const QString early = earlyEndText(walk->earlyEnd());
    if (!early.isEmpty()) {
      text += tr(" (search ended early: %1)").arg(early);
      tip.prepend(tr("The system ran %1; the search stopped there. The files found until then are listed.").arg(early));
    }
  }
  c_.foundLabel->setText(text);
  const QString joined = tip.join('\n');
  if (joined == shownTip_) return;
  shownTip_ = joined;
  c_.foundLabel->setToolTip(
      joined.isEmpty() ? QString() : Qt::convertFromPlainText(joined, Qt::WhiteSpaceNoWrap));  // paths, never markup
}

// Stop while a search runs, Find Now otherwise; the status line only while searching.
void SearchWindow::showSearching(bool searching) {
  c_.findButton->setText(tr(searching ? kStop : kFind));
  c_.statusLabel->setVisible(searching);
  if (!searching) showFoundCount();  // the idle look at once, not at the next tick
}

void SearchWindow::showEnded() {
  table_->flush();
  showStatus();
  showFoundCount();
}

void SearchWindow::showStatus() {
  statusShow_.stop();
  if (!statusPath_.empty()) c_.statusLabel->setText(tr("Searching In %1...").arg(DisplayText::fromBytes(statusPath_)));
}
