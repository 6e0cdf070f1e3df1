#include "engine/ResultsModel.h"

#include <cstring>

#include "engine/DisplayText.h"
#include "engine/SizeText.h"
#include "platform/IconSource.h"

namespace {
constexpr std::size_t kBlockBytes = 256 * 1024;
}

ResultsModel::ResultsModel(IconSource& icons, QObject* parent) : QAbstractTableModel(parent), icons_(icons) {}

ResultsModel::~ResultsModel() = default;

int ResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_);
}

int ResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || size_t(index.row()) >= shown_) return {};
  const Entry& e = entries_[size_t(index.row())];
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case NameColumn: return DisplayText::fromBytes({e.name, e.nameLength});
      case FolderColumn: return DisplayText::fromBytes(folders_[e.folder]);
      case SizeColumn: return SizeText::fromBytes(e.size);
    }
  } else if (role == Qt::DecorationRole) {
    if (index.column() == NameColumn) return icons_.image(e.icon);
    if (index.column() == FolderColumn) return icons_.image(1);
  } else if (role == Qt::TextAlignmentRole && index.column() == SizeColumn) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case NameColumn: return QStringLiteral("File Name");
    case FolderColumn: return QStringLiteral("In Folder");
    case SizeColumn: return QStringLiteral("Size");
  }
  return {};
}

void ResultsModel::clear() {
  beginResetModel();
  entries_.clear();
  shown_ = 0;
  folders_.clear();
  nextFolderRecorded_ = false;
  blocks_.clear();
  blockUsed_ = blockSize_ = 0;
  endResetModel();
}

void ResultsModel::setFolder(const std::string& folder) {
  nextFolder_ = &folder;
  nextFolderRecorded_ = false;
}

const char* ResultsModel::store(std::string_view name) {
  if (blockUsed_ + name.size() > blockSize_) {
    blockSize_ = name.size() > kBlockBytes ? name.size() : kBlockBytes;
    blocks_.push_back(std::make_unique<char[]>(blockSize_));
    blockUsed_ = 0;
  }
  char* at = blocks_.back().get() + blockUsed_;
  if (!name.empty()) std::memcpy(at, name.data(), name.size());
  blockUsed_ += name.size();
  return at;
}

void ResultsModel::append(std::string_view name, std::int64_t size, int iconIndex) {
  if (!nextFolderRecorded_) {
    folders_.push_back(nextFolder_ ? *nextFolder_ : std::string());
    nextFolderRecorded_ = true;
  }
  entries_.push_back(Entry{store(name), static_cast<std::uint32_t>(name.size()),
                           static_cast<std::uint32_t>(folders_.size() - 1), size, iconIndex});
}

void ResultsModel::flush() {
  if (shown_ == entries_.size()) return;
  // Rows beyond shown_ are invisible to views until now.
  beginInsertRows(QModelIndex(), int(shown_), int(entries_.size()) - 1);
  shown_ = entries_.size();
  endInsertRows();
}

std::string_view ResultsModel::name(int row) const {
  const Entry& e = entries_[size_t(row)];
  return {e.name, e.nameLength};
}

const std::string& ResultsModel::folder(int row) const { return folders_[entries_[size_t(row)].folder]; }
