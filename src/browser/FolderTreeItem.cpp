#include "browser/FolderTreeItem.h"

namespace tw {

FolderTreeItem::FolderTreeItem(Kind kind, std::string path, std::string keyText)
    : QTreeWidgetItem(QTreeWidgetItem::UserType),
      kind_(kind),
      path_(std::move(path)),
      keyText_(std::move(keyText)) {}

bool FolderTreeItem::operator<(const QTreeWidgetItem& other) const {
  const auto* that = dynamic_cast<const FolderTreeItem*>(&other);
  if (!that) return QTreeWidgetItem::operator<(other);
  if (IsFile() != that->IsFile()) return !IsFile();
  const int order = QString::fromStdString(keyText_).compare(QString::fromStdString(that->keyText_),
                                                             Qt::CaseInsensitive);
  if (order != 0) return order < 0;
  return keyText_ < that->keyText_;  // a stable order for names that differ only in case
}

}  // namespace tw
