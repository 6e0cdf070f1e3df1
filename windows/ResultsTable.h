#pragma once
#include <QAbstractTableModel>
#include <cstdint>
#include <unordered_map>

class IconSource;
class ResultList;

// The results list as a view shows it: "File Name", "In Folder" and "Size",
// each file with the image of its type. Records reach views in batches, at
// flush(), so a walk that appends thousands a second costs the view nothing
// per record. Text is decoded, and a type found, only when a row is shown.
class ResultsTable : public QAbstractTableModel {
  Q_OBJECT
public:
  enum Column { NameColumn = 0, FolderColumn = 1, SizeColumn = 2, ColumnCount = 3 };

  ResultsTable(const ResultList& results, IconSource& icons, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Shows the records appended since the last flush.
  void flush();
  // The list was emptied: no rows.
  void reset();

private:
  int iconOf(int row) const;

  const ResultList& results_;
  IconSource& icons_;
  std::size_t shown_ = 0;
  // The type images of rows shown lately: a lookup by name costs more than a
  // repaint should pay, and a cache per row would grow with the results.
  mutable std::unordered_map<std::size_t, int> iconOfRow_;
};
