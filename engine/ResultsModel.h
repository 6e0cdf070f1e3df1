#pragma once
#include <QAbstractTableModel>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class IconSource;

// The results list: one row per found file with its name, folder and size,
// appended at the end. Entries are compact (the name in a shared arena, the
// folder as an index into the folders seen) and are handed to views in
// batches by flush(), so a million results cost neither the walk nor memory
// much. Text is decoded only when a row is shown.
class ResultsModel : public QAbstractTableModel {
  Q_OBJECT
public:
  enum Column { NameColumn = 0, FolderColumn = 1, SizeColumn = 2, ColumnCount = 3 };

  explicit ResultsModel(IconSource& icons, QObject* parent = nullptr);
  ~ResultsModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Removes every entry. The image list is not emptied.
  void clear();
  // The folder of the entries appended next (recorded only once one is).
  void setFolder(const std::string& folder);
  void append(std::string_view name, std::int64_t size, int iconIndex);
  // Shows the entries appended since the last flush.
  void flush();

  std::size_t pendingCount() const { return entries_.size() - shown_; }
  std::string_view name(int row) const;
  const std::string& folder(int row) const;
  std::int64_t size(int row) const { return entries_[size_t(row)].size; }
  int iconIndex(int row) const { return entries_[size_t(row)].icon; }

private:
  struct Entry {
    const char* name;
    std::uint32_t nameLength;
    std::uint32_t folder;
    std::int64_t size;
    std::int32_t icon;
  };
  const char* store(std::string_view name);

  IconSource& icons_;
  std::vector<Entry> entries_;
  std::size_t shown_ = 0;
  std::vector<std::string> folders_;
  const std::string* nextFolder_ = nullptr;
  bool nextFolderRecorded_ = false;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockUsed_ = 0;
  std::size_t blockSize_ = 0;
};
