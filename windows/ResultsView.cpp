// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ResultsView.h"

void ResultsView::setModel(QAbstractItemModel* model) {
  whole_ = true;
  QTableView::setModel(model);
  if (!model) return;
  // The changes a table view lays out again for, besides rows at the end.
  const auto whole = [this] { whole_ = true; };
  connect(model, &QAbstractItemModel::layoutChanged, this, whole);
  connect(model, &QAbstractItemModel::rowsMoved, this, whole);
  connect(model, &QAbstractItemModel::columnsInserted, this, whole);
  connect(model, &QAbstractItemModel::columnsRemoved, this, whole);
  connect(model, &QAbstractItemModel::columnsMoved, this, whole);
}

void ResultsView::reset() {
  whole_ = true;
  QTableView::reset();
}

void ResultsView::rowsInserted(const QModelIndex& parent, int first, int last) {
  if (!parent.isValid() && last == model()->rowCount() - 1) {
    if (appendedFrom_ < 0) appendedFrom_ = first;
  } else {
    whole_ = true;
  }
  QTableView::rowsInserted(parent, first, last);
}

void ResultsView::rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) {
  whole_ = true;
  QTableView::rowsAboutToBeRemoved(parent, first, last);
}

// Rows appended, and nothing else: the rows above them look as they did.
void ResultsView::doItemsLayout() {
  const int from = appendedFrom_;
  const bool whole = whole_ || from < 0;
  appendedFrom_ = -1;
  whole_ = false;
  if (whole) {
    QTableView::doItemsLayout();
    return;
  }
  updateGeometries();  // the scroll bar's range
  const int last = model()->rowCount() - 1;
  const int top = rowViewportPosition(from);
  const QRect rows(0, top, viewport()->width(), rowViewportPosition(last) + rowHeight(last) - top);
  const QRect shown = rows & viewport()->rect();
  if (!shown.isEmpty()) viewport()->update(shown);
}
