// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTableView>

// The results list. A search appends rows at the end, a batch a display
// frame, and a table view would lay out and repaint every visible row for
// each: here rows appended below the visible part repaint nothing but the
// scroll bar, and rows appended into view only themselves. Any other change
// lays out and repaints the whole list, as a table view does.
class ResultsView : public QTableView {
  Q_OBJECT
public:
  explicit ResultsView(QWidget* parent = nullptr) : QTableView(parent) {}
  void setModel(QAbstractItemModel* model) override;
  void doItemsLayout() override;
  void reset() override;

protected:
  void rowsInserted(const QModelIndex& parent, int first, int last) override;
  void rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) override;

private:
  int appendedFrom_ = -1;  // the first row appended since the last layout; -1: none
  bool whole_ = false;     // something else changed since then
};
