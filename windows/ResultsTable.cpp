#include "windows/ResultsTable.h"

#include "engine/DisplayText.h"
#include "engine/ResultList.h"
#include "engine/SizeText.h"
#include "platform/desktop/IconSource.h"

ResultsTable::ResultsTable(const ResultList& results, IconSource& icons, QObject* parent)
    : QAbstractTableModel(parent), results_(results), icons_(icons) {}

int ResultsTable::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(shown_); }

int ResultsTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

int ResultsTable::iconOf(int row) const {
  const auto known = iconOfRow_.find(std::size_t(row));
  if (known != iconOfRow_.end()) return known->second;
  if (iconOfRow_.size() >= 4096) iconOfRow_.clear();
  const int index = icons_.iconIndex(results_.name(std::size_t(row)));
  iconOfRow_.emplace(std::size_t(row), index);
  return index;
}

QVariant ResultsTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || std::size_t(index.row()) >= shown_ || std::size_t(index.row()) >= results_.size()) return {};
  const auto row = std::size_t(index.row());
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case NameColumn: return DisplayText::fromBytes(results_.name(row));
      case FolderColumn: return DisplayText::fromBytes(results_.folder(row));
      case SizeColumn: return SizeText::fromBytes(results_.fileSize(row));
    }
  } else if (role == Qt::DecorationRole) {
    if (index.column() == NameColumn) return icons_.image(iconOf(index.row()));
    if (index.column() == FolderColumn) return icons_.image(IconSource::kFolder);
  } else if (role == Qt::TextAlignmentRole && index.column() == SizeColumn) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant ResultsTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case NameColumn: return QStringLiteral("File Name");
    case FolderColumn: return QStringLiteral("In Folder");
    case SizeColumn: return QStringLiteral("Size");
  }
  return {};
}

void ResultsTable::flush() {
  const std::size_t total = results_.size();
  if (total == shown_) return;
  if (total < shown_) {  // emptied without a reset: start again
    reset();
    if (total == 0) return;
  }
  beginInsertRows(QModelIndex(), int(shown_), int(total) - 1);
  shown_ = total;
  endInsertRows();
}

void ResultsTable::reset() {
  beginResetModel();
  shown_ = 0;
  iconOfRow_.clear();
  endResetModel();
}
