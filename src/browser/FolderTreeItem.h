#pragma once

#include <QTreeWidgetItem>
#include <string>

namespace tw {

// A tree item with its record: the path, the key text a path component is matched against,
// and the flags the tree draws and sorts by.
class FolderTreeItem : public QTreeWidgetItem {
 public:
  enum class Kind { Computer, Network, Drive, Folder, File };

  FolderTreeItem(Kind kind, std::string path, std::string keyText);

  Kind kind() const { return kind_; }
  const std::string& Path() const { return path_; }
  const std::string& KeyText() const { return keyText_; }
  void SetPath(std::string path) { path_ = std::move(path); }
  void SetKeyText(std::string keyText) { keyText_ = std::move(keyText); }
  bool IsFile() const { return kind_ == Kind::File; }
  bool IsDriveRoot() const { return kind_ == Kind::Drive; }
  bool IsNetwork() const { return kind_ == Kind::Network; }
  bool IsVirtualNode() const { return kind_ == Kind::Computer || kind_ == Kind::Network; }
  bool extensionHidden = false;
  bool shared = false;
  bool compressed = false;
  bool encrypted = false;

  // Folders before files, then by key text case-insensitively.
  bool operator<(const QTreeWidgetItem& other) const override;

 private:
  Kind kind_;
  std::string path_;
  std::string keyText_;
};

}  // namespace tw
