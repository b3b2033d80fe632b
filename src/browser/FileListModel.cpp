#include "browser/FileListModel.h"

#include <QCoreApplication>

#include "browser/FileList.h"

namespace tw {

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(published_);
}

int FileListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : FileList::kColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  return QString::fromStdString(Cell(index.row(), index.column()));
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kHeaders[] = {QT_TRANSLATE_NOOP("tw::FileListModel", "Name"),
                                         QT_TRANSLATE_NOOP("tw::FileListModel", "Size"),
                                         QT_TRANSLATE_NOOP("tw::FileListModel", "Type"),
                                         QT_TRANSLATE_NOOP("tw::FileListModel", "Modifed"),
                                         QT_TRANSLATE_NOOP("tw::FileListModel", "Full path")};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= FileList::kColumnCount) return {};
  return QCoreApplication::translate("tw::FileListModel", kHeaders[section]);
}

bool FileListModel::HasName(const std::string& fileName) const {
  return keys_.count(fileName) != 0;
}

void FileListModel::Stage(FileListRow row) {
  keys_.insert(row.DuplicateKey());
  rows_.push_back(std::move(row));
}

void FileListModel::Publish() {
  if (published_ == rows_.size()) return;
  beginInsertRows(QModelIndex(), 0, static_cast<int>(rows_.size() - published_) - 1);
  published_ = rows_.size();
  endInsertRows();
}

void FileListModel::Clear() {
  beginResetModel();
  rows_.clear();
  keys_.clear();
  published_ = 0;
  endResetModel();
}

const FileListRow& FileListModel::Row(int displayRow) const {
  return rows_[published_ - 1 - static_cast<size_t>(displayRow)];
}

std::string FileListModel::Cell(int displayRow, int column) const {
  if (displayRow < 0 || displayRow >= rowCount()) return {};
  const FileListRow& row = Row(displayRow);
  switch (column) {
    case FileList::kName:
      return row.name;
    case FileList::kSize:
      return row.size;
    case FileList::kType:
      return row.type;
    case FileList::kModified:
      return row.modified;
    case FileList::kFullPath:
      return row.fullPath;
    default:
      return {};
  }
}

}  // namespace tw
