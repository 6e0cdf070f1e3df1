// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ResultActions.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>

#include "engine/FolderWalk.h"
#include "engine/ResultCsv.h"
#include "platform/core/SaveFile.h"
#include "platform/desktop/FileManager.h"
#include "platform/desktop/FileOpener.h"
#include "platform/desktop/FileTransfer.h"
#include "ui/Context.h"
#include "windows/ResultOpener.h"
#include "windows/ResultsTable.h"
#include "windows/SearchSession.h"
#include "windows/SearchWindow.h"
#include "windows/UnreadableWindow.h"

namespace {
struct MenuItem {
  const char* name;
  const char* text;
  void (ResultActions::*run)();
  bool needsRow;
  QKeySequence::StandardKey key = QKeySequence::UnknownKey;  // shown in the menu; the list's key does it
};
}  // namespace

ResultActions::ResultActions(Context& context, SearchWindow& window, QTableView* view, ResultsTable& table)
    : QObject(&window), context_(context), window_(window), table_(table), view_(view) {
  menu = new QMenu(view_);
  menu->setObjectName("mnuresults");
  menu->setAccessibleName(tr("Result actions"));
  const MenuItem items[] = {
      {"mnuopen", QT_TR_NOOP("&Open"), &ResultActions::openSelected, true},
      {"mnufolder", QT_TR_NOOP("Open Containing &Folder"), &ResultActions::openContainingFolder, true},
      {"mnucopy", QT_TR_NOOP("&Copy Path"), &ResultActions::copyPaths, true, QKeySequence::Copy},
      {"mnuname", QT_TR_NOOP("Copy &Name"), &ResultActions::copyNames, true},
      {"mnusave", QT_TR_NOOP("&Save List As..."), &ResultActions::saveList, false},
      {"mnuunread", QT_TR_NOOP("Folders That Could Not Be &Read..."), &ResultActions::showUnreadable, false},
  };
  std::vector<QAction*> made;
  for (const MenuItem& item : items) {
    made.push_back(menu->addAction(tr(item.text), this, item.run));
    made.back()->setObjectName(item.name);
    made.back()->setShortcut(item.key);
    if (item.needsRow) rowActions_.push_back(made.back());
  }
  save_ = made[4];
  unreadable_ = made[5];
  menu->insertSeparator(save_);
  view_->installEventFilter(this);
  view_->viewport()->installEventFilter(this);
  view_->horizontalHeader()->setSectionsClickable(true);
  connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this, &ResultActions::headerClicked);
  connect(&table, &QAbstractItemModel::modelReset, this, &ResultActions::showSortIndicator);
}

// Of the selected rows, the current one where it is selected: a Ctrl+click
// that unselects a row leaves it current.
int ResultActions::pickedRow() const {
  const QModelIndex current = view_->currentIndex();
  if (current.isValid() && view_->selectionModel()->isRowSelected(current.row())) return current.row();
  const std::vector<int> rows = selectedRows();
  return rows.empty() ? -1 : rows.front();
}

int ResultActions::rowAt(QPoint at) const {
  const QModelIndex index = view_->indexAt(at);
  return index.isValid() ? index.row() : pickedRow();
}

// From the selection's ranges: a list of indexes would cost a million
// allocations for a million rows. Rows are selected whole.
std::vector<int> ResultActions::selectedRows() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : view_->selectionModel()->selection())
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  if (!std::is_sorted(rows.begin(), rows.end())) std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void ResultActions::openRow(int row) {
  if (row < 0 || row >= table_.rowCount()) return;
  ResultOpener::open(context_, window_.results(), table_.record(row), window_.description().failedDisplay);
}

// One folder, the picked row's, with the selected files in it: a file
// manager opens a window per folder it is asked to show. Where none answers,
// the folder opens with its default application, as a result does.
void ResultActions::openContainingFolder() {
  const int picked = pickedRow();
  if (picked < 0) return;
  const ResultList& results = window_.results();
  const std::string folder = results.folder(table_.record(picked));
  std::vector<std::string> paths;
  for (int row : selectedRows())
    if (results.folder(table_.record(row)) == folder) paths.push_back(table_.path(table_.record(row)));
  Context& context = context_;
  context.fileManager().showItems(paths, [&context, folder](bool shown) {
    if (shown || context.opener().open(folder, folder) != FileOpener::Outcome::NoApplication) return;
    context.message(QMessageBox::Critical, tr("Error"),
                    tr("No associated program/application found to open this folder."));
  });
}

void ResultActions::copyPaths() {
  const std::vector<int> rows = selectedRows();
  if (!rows.empty()) FileTransfer::toClipboard(table_.transfer(rows));
}

void ResultActions::copyNames() {
  const std::vector<int> rows = selectedRows();
  if (!rows.empty()) FileTransfer::toClipboard(table_.transfer(rows, true));
}

void ResultActions::saveList() {
  const QString file = context_.saveFileName(tr("Save List As"), QDir::homePath() + "/" + tr("search results") + ".csv",
                                             tr("CSV files (*.csv);;All files (*)"));
  if (file.isEmpty()) return;
  QString error;
  ResultCsv csv(window_.results(), table_.shownRecords());
  if (SaveFile::write(
          file, [&csv] { return csv.next(); }, error))
    return;
  context_.message(QMessageBox::Critical, tr("Save List As"), tr("The list was not saved as %1: %2").arg(file, error));
}

void ResultActions::showUnreadable() {
  if (const FolderWalk* walk = window_.session().walk()) (new UnreadableWindow(walk->unreadable(), &window_))->show();
}

void ResultActions::showMenu(QPoint at) {
  for (QAction* action : rowActions_) action->setEnabled(view_->selectionModel()->hasSelection());
  save_->setEnabled(table_.rowCount() > 0);
  const FolderWalk* walk = window_.session().walk();
  unreadable_->setVisible(walk && walk->unreadable().total() > 0);
  menu->popup(view_->viewport()->mapToGlobal(at));
}

// While a search runs the rows keep the order found.
void ResultActions::headerClicked(int column) {
  if (!window_.session().walking()) {
    const bool reverse = table_.sortColumn() == column && table_.sortOrder() == Qt::AscendingOrder;
    table_.sort(column, reverse ? Qt::DescendingOrder : Qt::AscendingOrder);
  }
  showSortIndicator();
}

void ResultActions::showSortIndicator() {
  QHeaderView* header = view_->horizontalHeader();
  header->setSortIndicatorShown(table_.sortColumn() >= 0);
  header->setSortIndicator(table_.sortColumn(), table_.sortOrder());
}

// With nothing selected, the current row is: Enter and Ctrl+C act on it at once.
void ResultActions::focusResults() {
  view_->setFocus(Qt::OtherFocusReason);  // makes the first row current
  if (table_.rowCount() == 0 || view_->selectionModel()->hasSelection()) return;
  const QModelIndex current = view_->currentIndex().isValid() ? view_->currentIndex() : table_.index(0, 0);
  view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ResultActions::openSelected() { openRow(pickedRow()); }

void ResultActions::showMenuAtCurrent() {
  const QRect current = view_->visualRect(view_->currentIndex());
  showMenu(current.isValid() ? current.center() : QPoint());
}

bool ResultActions::keyPressed(QKeyEvent* event) {
  const int key = event->key();
  if (event->matches(QKeySequence::Copy)) copyPaths();
  else if (key == Qt::Key_Return || key == Qt::Key_Enter) openSelected();
  else if (key == Qt::Key_Escape) window_.close();
  else if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) showMenuAtCurrent();
  else return false;
  return true;
}

// Only the list's own members are touched here: events come in while the window is destroyed.
bool ResultActions::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: return watched == view_ && keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonDblClick:
      if (watched != view_->viewport()) return false;
      openRow(rowAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
      return true;
    case QEvent::ContextMenu: {
      // One from the keyboard follows the key, which has opened the menu already.
      const auto* request = static_cast<QContextMenuEvent*>(event);
      if (request->reason() == QContextMenuEvent::Mouse)
        showMenu(view_->viewport()->mapFromGlobal(request->globalPos()));
      else if (!menu->isVisible()) showMenuAtCurrent();
      return true;
    }
    default: return false;
  }
}
