// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPoint>
#include <vector>

class Context;
class QAction;
class QKeyEvent;
class QMenu;
class QTableView;
class ResultsTable;
class SearchWindow;

// What a user can do with the results a window lists, from the list's menu
// (right click, the Menu key, Shift+F10) and its keys: open a row, show the
// selected files in the file manager, copy them (Ctrl+C) or drag them out,
// copy their names, save the list, see what could not be read; a click on a
// column's header sorts by it while no search runs. Every action on rows takes
// the selected ones (Open and Enter one of them); Escape does what it does in
// the fields.
class ResultActions : public QObject {
  Q_OBJECT
public:
  ResultActions(Context& context, SearchWindow& window, QTableView* view, ResultsTable& table);

  void openRow(int row);  // -1: none
  void openContainingFolder();
  void copyPaths();
  void copyNames();
  void saveList();
  void showUnreadable();
  void showMenu(QPoint at);  // at: in the list's viewport
  void headerClicked(int column);
  void focusResults();

  QMenu* menu = nullptr;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void openSelected();
  void showMenuAtCurrent();
  bool keyPressed(QKeyEvent* event);
  std::vector<int> selectedRows() const;
  int pickedRow() const;       // -1: none selected
  int rowAt(QPoint at) const;  // below the rows: the picked one
  void showSortIndicator();

  Context& context_;
  SearchWindow& window_;
  ResultsTable& table_;
  QTableView* view_;
  std::vector<QAction*> rowActions_;  // need a row
  QAction* save_ = nullptr;
  QAction* unreadable_ = nullptr;
};
