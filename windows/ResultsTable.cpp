// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ResultsTable.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QScreen>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>

#include "engine/DisplayText.h"
#include "engine/ResultList.h"
#include "engine/ResultOrder.h"
#include "engine/SizeText.h"
#include "platform/core/PathName.h"
#include "platform/desktop/FileTransfer.h"
#include "platform/desktop/IconSource.h"

ResultsTable::ResultsTable(const ResultList& results, IconSource& icons, QObject* parent)
    : QAbstractTableModel(parent), results_(results), icons_(icons) {}

int ResultsTable::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(shown_); }

int ResultsTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

int ResultsTable::iconOf(std::size_t record) const {
  const auto known = iconOfRecord_.find(record);
  if (known != iconOfRecord_.end()) return known->second;
  if (iconOfRecord_.size() >= 4096) iconOfRecord_.clear();
  const int index = icons_.iconIndex(results_.name(record));
  iconOfRecord_.emplace(record, index);
  return index;
}

std::string ResultsTable::path(std::size_t record) const {
  return PathName::join(results_.folder(record), results_.name(record));
}

namespace {
// A tip is as wide as its longest line, and a path has no blank to wrap at:
// lines of at most 80 average characters (as a label wraps) and 3/4 of the
// screen, broken where Qt's line breaking allows, or anywhere if it must.
QString wrapped(const QString& text) {
  const QFont font = QToolTip::font();
  const QScreen* screen = QGuiApplication::primaryScreen();
  int width = QFontMetrics(font).averageCharWidth() * 80;
  if (screen) width = std::min(width, screen->availableGeometry().width() * 3 / 4);
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines << text.mid(line.textStart(), line.textLength());
  }
  layout.endLayout();
  return lines.join('\n');
}
}  // namespace

QString ResultsTable::tip(std::size_t record) const {
  QString tip = wrapped(DisplayText::fromBytes(path(record))) + '\n' +
                tr("%1 bytes").arg(QLocale().toString(qint64(results_.fileSize(record))));
  const QString type = icons_.typeName(results_.name(record));
  // As rich text of our own: a tip that looks like markup is shown as
  // markup, and a name such as "<img src=x>" would be loaded.
  return Qt::convertFromPlainText(type.isEmpty() ? tip : tip + '\n' + type, Qt::WhiteSpaceNoWrap);
}

QVariant ResultsTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || std::size_t(index.row()) >= shown_ || std::size_t(index.row()) >= results_.size()) return {};
  const std::size_t r = record(index.row());
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case NameColumn: return DisplayText::fromBytes(results_.name(r));
      case FolderColumn: return DisplayText::fromBytes(results_.folder(r));
      case SizeColumn: return SizeText::fromBytes(results_.fileSize(r));
      case TimeColumn:
        if (results_.fileTime(r) == ResultList::kNoTime) return QString();  // none kept: no 1970 to mislead
        return QLocale().toString(QDateTime::fromSecsSinceEpoch(results_.fileTime(r)), QLocale::ShortFormat);
    }
  } else if (role == Qt::DecorationRole) {
    if (index.column() == NameColumn) return icons_.image(iconOf(r));
    if (index.column() == FolderColumn) return icons_.image(IconSource::kFolder);
  } else if (role == Qt::TextAlignmentRole && index.column() == SizeColumn) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  } else if (role == Qt::ToolTipRole) {
    return tip(r);
  }
  return {};
}

QVariant ResultsTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case NameColumn: return tr("File Name");
    case FolderColumn: return tr("In Folder");
    case SizeColumn: return tr("Size");
    case TimeColumn:
      switch (results_.timeKind()) {
        case FileTime::Modified: return tr("Modified");
        case FileTime::Created: return tr("Created");
        case FileTime::Accessed: return tr("Accessed");
      }
  }
  return {};
}

Qt::ItemFlags ResultsTable::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled : Qt::NoItemFlags;
}

QStringList ResultsTable::mimeTypes() const { return FileTransfer::formats(); }

QString ResultsTable::pasteText(std::string_view bytes) { return DisplayText::fromBytes(bytes); }

QMimeData* ResultsTable::mimeData(const QModelIndexList& indexes) const {
  std::vector<int> rows;
  for (const QModelIndex& index : indexes) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return transfer(rows);
}

// A copy of the rows' names and folders, not of the list: the clipboard may
// hold it long after the list is gone.
QMimeData* ResultsTable::transfer(const std::vector<int>& rows, bool namesOnly) const {
  constexpr std::uint32_t kNone = ~std::uint32_t(0);
  std::vector<std::uint32_t> batchFolder(results_.folderCount(), kNone);
  PathBatch batch;
  std::size_t nameBytes = 0;
  for (const int row : rows) nameBytes += results_.name(record(row)).size();
  batch.reserve(rows.size(), nameBytes);
  for (const int row : rows) {
    const std::size_t r = record(row);
    std::uint32_t& folder = batchFolder[results_.folderIndex(r)];
    if (folder == kNone) folder = batch.addFolder(results_.folder(r));
    batch.add(folder, results_.name(r));
  }
  return namesOnly ? FileTransfer::names(std::move(batch), pasteText)
                   : FileTransfer::files(std::move(batch), pasteText);
}

std::vector<std::uint32_t> ResultsTable::shownRecords() const {
  if (!order_.empty()) return order_;
  std::vector<std::uint32_t> found(shown_);
  for (std::size_t r = 0; r < shown_; ++r) found[r] = std::uint32_t(r);
  return found;
}

// The selection and the current row stay on their records.
void ResultsTable::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= ColumnCount) return;
  flush();
  Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<std::size_t> kept;
  for (const QModelIndex& index : before) kept.push_back(record(index.row()));
  if (column != sortColumn_) {
    constexpr ResultOrder::Key keys[] = {ResultOrder::Key::Name, ResultOrder::Key::Folder, ResultOrder::Key::Size,
                                         ResultOrder::Key::Time};
    order_ = ResultOrder::sorted(results_, keys[column]);
    if (order == Qt::DescendingOrder) std::reverse(order_.begin(), order_.end());
  } else if (order != sortOrder_) {
    std::reverse(order_.begin(), order_.end());
  }
  sortColumn_ = column;
  sortOrder_ = order;
  std::vector<int> rowOf(before.isEmpty() ? 0 : order_.size());
  for (std::size_t r = 0; r < rowOf.size(); ++r) rowOf[order_[r]] = int(r);
  QModelIndexList after;
  for (qsizetype i = 0; i < before.size(); ++i) after << index(rowOf[kept[std::size_t(i)]], before[i].column());
  changePersistentIndexList(before, after);
  Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ResultsTable::flush() {
  const std::size_t total = results_.size();
  if (total == shown_) return;
  if (total < shown_) {  // emptied without a reset: start again
    reset();
    if (total == 0) return;
  }
  beginInsertRows(QModelIndex(), int(shown_), int(total) - 1);
  // Sorted while a stopped walk still unwinds: what comes late goes at the end.
  if (!order_.empty())
    for (std::size_t r = shown_; r < total; ++r) order_.push_back(std::uint32_t(r));
  shown_ = total;
  endInsertRows();
}

void ResultsTable::reset() {
  beginResetModel();
  shown_ = 0;
  order_.clear();
  sortColumn_ = -1;
  sortOrder_ = Qt::AscendingOrder;
  iconOfRecord_.clear();
  endResetModel();
}
