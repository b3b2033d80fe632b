// Paths in the folder tree: the selected item's path, the mount a path lies on, and the walk
// from a path to its item that expands each level on the way.
#include "browser/FolderTree.h"
#include "browser/FolderTreeItem.h"

namespace tw {
namespace {

bool IsPrefixFolder(const std::string& folder, const std::string& path) {
  if (folder == "/") return !path.empty() && path[0] == '/';
  return path == folder ||
         (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
          path[folder.size()] == '/');
}

}  // namespace

std::string FolderTree::GetSelectedPath() const {
  const auto* record = dynamic_cast<const FolderTreeItem*>(currentItem());
  return record ? record->Path() : std::string();
}

std::string FolderTree::ItemPath(const QTreeWidgetItem* item) const {
  const auto* record = dynamic_cast<const FolderTreeItem*>(item);
  return record ? record->Path() : std::string();
}

bool FolderTree::IsComputerNodeSelected() const {
  return computerNode_ && currentItem() == computerNode_;
}

QTreeWidgetItem* FolderTree::FindChildByKey(QTreeWidgetItem* parent, const std::string& key) {
  for (int i = 0; i < parent->childCount(); ++i) {
    FolderTreeItem* child = ItemOf(parent->child(i));
    if (child && child->KeyText() == key) return child;
  }
  return nullptr;
}

// The item a path's walk starts from and the rest of the path below it: the top of the tree
// under a root folder, otherwise the mount the path lies on (the longest matching mount point).
QTreeWidgetItem* FolderTree::StartOfWalk(const std::string& path, std::string& rest) {
  if (!rootFolder_.empty()) {
    if (path == rootFolder_ || !IsPrefixFolder(rootFolder_, path)) return nullptr;
    rest = path.substr(rootFolder_ == "/" ? 1 : rootFolder_.size() + 1);
    return invisibleRootItem();
  }
  QTreeWidgetItem* drives = invisibleRootItem();
  if (computerNode_) {
    ExpandProgrammatically(computerNode_);
    drives = computerNode_;
  }
  QTreeWidgetItem* best = nullptr;
  size_t bestLength = 0;
  for (const MountEntry& mount : mounts_) {
    if (!IsPrefixFolder(mount.path, path) || (best && mount.path.size() <= bestLength)) continue;
    if (QTreeWidgetItem* item = FindChildByKey(drives, mount.path)) {
      best = item;
      bestLength = mount.path.size();
    }
  }
  if (best) rest = path.substr(bestLength);
  return best;
}

QTreeWidgetItem* FolderTree::SelectPath(const std::string& rawPath, bool expandLast) {
  std::string path = rawPath;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return nullptr;
  std::string rest;
  QTreeWidgetItem* current = StartOfWalk(path, rest);
  if (!current) return nullptr;
  // Each component must equal a child's key text exactly; empty components ("a//b") are skipped.
  for (size_t start = 0; start <= rest.size();) {
    const size_t end = std::min(rest.find('/', start), rest.size());
    const std::string component = rest.substr(start, end - start);
    start = end + 1;
    if (component.empty()) continue;
    if (current != invisibleRootItem()) ExpandProgrammatically(current);
    current = FindChildByKey(current, component);
    if (!current) return nullptr;
  }
  if (current == invisibleRootItem()) return nullptr;
  selectingPath_ = true;
  setCurrentItem(current);
  selectingPath_ = false;
  if (expandLast) ExpandProgrammatically(current);
  scrollToItem(current);
  return current;
}

const MountEntry* FolderTree::MountOfItem(const FolderTreeItem* item) const {
  for (const MountEntry& mount : mounts_)
    if (mount.path == item->Path()) return &mount;
  return nullptr;
}

const MountEntry* FolderTree::MountOfPath(const std::string& path) const {
  const MountEntry* best = nullptr;
  for (const MountEntry& mount : mounts_) {
    if (!IsPrefixFolder(mount.path, path)) continue;
    if (!best || mount.path.size() > best->path.size()) best = &mount;
  }
  return best;
}

}  // namespace tw
