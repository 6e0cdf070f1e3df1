// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractTableModel>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class IconSource;
class ResultList;

// The results list as a view shows it: "File Name", "In Folder", "Size" and
// the time the search kept (the locale's short date and time), each file with the image of its type and a tip with its
// full path, size in bytes and type. Records reach views in batches, at flush(), so a walk that appends thousands a
// second costs the view nothing per record. Text is decoded, and a type found, only when a row is shown. Rows show the
// records in the order found, or sorted by a column through a list of record indexes.
class ResultsTable : public QAbstractTableModel {
  Q_OBJECT
public:
  enum Column { NameColumn = 0, FolderColumn = 1, SizeColumn = 2, TimeColumn = 3, ColumnCount = 4 };

  ResultsTable(const ResultList& results, IconSource& icons, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Rows dragged or copied: their paths, one per line, and the files.
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
  // Sorted by the column again, only reversed: the rows are reversed, not sorted anew.
  void sort(int column, Qt::SortOrder order) override;

  // Shows the records appended since the last flush.
  void flush();
  // The list was emptied: no rows, in the order found.
  void reset();

  int sortColumn() const { return sortColumn_; }  // -1: in the order found
  Qt::SortOrder sortOrder() const { return sortOrder_; }
  std::size_t record(int row) const { return order_.empty() ? std::size_t(row) : order_[std::size_t(row)]; }
  std::vector<std::uint32_t> shownRecords() const;
  std::string path(std::size_t record) const;
  // What a copy or drag of these rows offers (their names only: text alone).
  QMimeData* transfer(const std::vector<int>& rows, bool namesOnly = false) const;
  // A path or name as text for other programs: as the list shows it.
  static QString pasteText(std::string_view bytes);

private:
  int iconOf(std::size_t record) const;
  QString tip(std::size_t record) const;

  const ResultList& results_;
  IconSource& icons_;
  std::size_t shown_ = 0;
  std::vector<std::uint32_t> order_;  // the record of each row; empty: the order found
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
  // The type images of records shown lately: a lookup by name costs more than
  // a repaint should pay, and a cache per record would grow with the results.
  mutable std::unordered_map<std::size_t, int> iconOfRecord_;
};
