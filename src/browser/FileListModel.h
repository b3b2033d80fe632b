#pragma once

#include <QAbstractTableModel>
#include <string>
#include <unordered_set>
#include <vector>

#include "browser/FileListRow.h"

namespace tw {

// The rows of the file list. Rows are kept in insertion order and shown newest first (every row
// is inserted at the top); a hashed set of "Name.Type" keys keeps the duplicate test linear.
// Rows may be staged and published in blocks so that long listings stay cheap for the view.
class FileListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit FileListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // True when a row whose "Name.Type" equals the file name is listed or staged.
  bool HasName(const std::string& fileName) const;
  // Stages a row; it becomes visible at the top with the next Publish.
  void Stage(FileListRow row);
  // Makes every staged row visible.
  void Publish();
  void Clear();

  int RowTotal() const { return static_cast<int>(rows_.size()); }
  const FileListRow& Row(int displayRow) const;
  std::string Cell(int displayRow, int column) const;

 private:
  std::vector<FileListRow> rows_;  // insertion order; display row r is rows_[size - 1 - r]
  size_t published_ = 0;
  std::unordered_set<std::string> keys_;
};

}  // namespace tw
