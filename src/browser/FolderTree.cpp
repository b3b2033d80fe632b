#include "browser/FolderTree.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFileIconProvider>
#include <QPainter>
#include <QStorageInfo>
#include <QTimer>

#include "browser/DirectoryEntries.h"
#include "browser/FileList.h"
#include "browser/FolderMonitor.h"
#include "browser/FolderTreeItem.h"

namespace tw {
namespace {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The file system's own compressed / encrypted attributes; both off where it reports none.
std::pair<bool, bool> CompressedAndEncrypted(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return {false, false};
  int flags = 0;
  const bool ok = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
  ::close(descriptor);
  if (!ok) return {false, false};
  return {(flags & FS_COMPR_FL) != 0, (flags & FS_ENCRYPT_FL) != 0};
}

QIcon WithSharedOverlay(const QIcon& base) {
  QPixmap pixmap = base.pixmap(16, 16);
  if (pixmap.isNull()) pixmap = QPixmap(16, 16), pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QIcon emblem = QIcon::fromTheme(QStringLiteral("emblem-shared"));
  if (!emblem.isNull()) {
    painter.drawPixmap(0, 8, emblem.pixmap(8, 8));
  } else {
    // A small hand-like marker in the lower left corner, as file managers draw shares.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkBlue, 1));
    painter.setBrush(QColor(80, 140, 255));
    painter.drawEllipse(QRectF(0.5, 8.5, 7, 7));
  }
  return QIcon(pixmap);
}

struct UpdatesOff {
  explicit UpdatesOff(QWidget* widget) : widget_(widget), was_(widget->updatesEnabled()) {
    widget_->setUpdatesEnabled(false);
  }
  ~UpdatesOff() { widget_->setUpdatesEnabled(was_); }
  QWidget* widget_;
  bool was_;
};

struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

FolderTree::FolderTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("folderTree"));
  setColumnCount(1);
  setHeaderHidden(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformRowHeights(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAutoExpandDelay(900);  // three ticks of 300 ms over a collapsed drop target
  connect(this, &QTreeWidget::itemExpanded, this, &FolderTree::OnItemExpanded);
  connect(this, &QTreeWidget::itemCollapsed, this, &FolderTree::OnItemCollapsed);
  connect(this, &QTreeWidget::currentItemChanged, this, &FolderTree::OnSelectionChanged);
  connect(this, &QTreeWidget::itemChanged, this, &FolderTree::OnItemChanged);
  Refresh();
  built_ = true;
}

FolderTree::~FolderTree() {
  StopAllMonitoring();
  programmatic_ = true;
  disconnect(this, nullptr, this, nullptr);
  clear();
}

// ---- building ------------------------------------------------------------------------------

void FolderTree::Refresh() {
  WaitCursor wait;
  UpdatesOff updatesOff(this);
  const std::string selected = GetSelectedPath();
  const bool wasExpanded = currentItem() && currentItem()->isExpanded();
  if (sharedOverlay_) shares_.ReloadFrom(shareSources_[0], shareSources_[1], shareSources_[2]);
  if (!mountsOverridden_) mounts_ = MountTable::Read();
  StopAllMonitoring();
  programmatic_ = true;
  clear();
  computerNode_ = nullptr;
  back_.clear();
  forward_.clear();
  if (rootFolder_.empty()) {
    if (showComputerNode_)
      InsertComputerNode();
    else
      ListDrives(invisibleRootItem());
    // The network node is not built on this platform: there is no network browsing here.
  } else {
    ListChildren(invisibleRootItem(), rootFolder_);
    const MountEntry* mount = MountOfPath(rootFolder_);
    if (mount && !mount->IsRemovableOrCdRom() && Monitoring()) StartMonitoring(rootFolder_);
  }
  programmatic_ = false;
  movingInHistory_ = true;
  if (!selected.empty()) SelectPath(selected, wasExpanded);
  movingInHistory_ = false;
}

void FolderTree::InsertComputerNode() {
  auto* node = new FolderTreeItem(FolderTreeItem::Kind::Computer, "", "Computer");
  node->setText(0, tr("Computer"));
  node->setIcon(0, QFileIconProvider().icon(QFileIconProvider::Computer));
  node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  addTopLevelItem(node);
  computerNode_ = node;
}

void FolderTree::ListDrives(QTreeWidgetItem* parent) {
  const QIcon driveIcon = QFileIconProvider().icon(QFileIconProvider::Drive);
  for (const MountEntry& mount : mounts_) {
    if (hiddenDriveTypes_ & static_cast<unsigned>(mount.type)) continue;
    auto* item = new FolderTreeItem(FolderTreeItem::Kind::Drive, mount.path, mount.path);
    QString text = QString::fromStdString(mount.path);
    // A network mount whose server is gone would hold the window in every call that touches it,
    // so it is neither asked for its name nor read before the user expands it.
    const bool remote = mount.type == DriveType::Remote;
    if (displayNames_ && !remote) {
      const QString name = QStorageInfo(text).displayName();
      if (!name.isEmpty() && name != text) text = name + " (" + text + ")";
    }
    item->setText(0, text);
    item->shared = shares_.IsShared(mount.path);
    item->setIcon(0, item->shared && sharedOverlay_ ? WithSharedOverlay(driveIcon) : driveIcon);
    item->setChildIndicatorPolicy(HasSubEntries(mount.path, mount.IsRemovableOrCdRom() || remote)
                                      ? QTreeWidgetItem::ShowIndicator
                                      : QTreeWidgetItem::DontShowIndicator);
    parent->addChild(item);
  }
}

FolderTreeItem* FolderTree::InsertItem(QTreeWidgetItem* parent, const std::string& path,
                                       const std::string& keyText, bool isFile) {
  static const QIcon folderIcon = QFileIconProvider().icon(QFileIconProvider::Folder);
  static const QIcon fileIcon = QFileIconProvider().icon(QFileIconProvider::File);
  auto* item = new FolderTreeItem(
      isFile ? FolderTreeItem::Kind::File : FolderTreeItem::Kind::Folder, path, keyText);
  QString text = QString::fromStdString(keyText);
  if (isFile && extensionDisplay_ == kNameWithoutExtension) {
    const qsizetype dot = text.lastIndexOf('.');
    if (dot > 0) {
      text.truncate(dot);
      item->extensionHidden = true;
    }
  }
  item->setText(0, text);
  item->shared = !isFile && shares_.IsShared(path);
  const QIcon& icon = isFile ? fileIcon : folderIcon;
  item->setIcon(0, item->shared && sharedOverlay_ ? WithSharedOverlay(icon) : icon);
  std::tie(item->compressed, item->encrypted) = CompressedAndEncrypted(path);
  if (item->compressed && colourCompressed_)
    item->setForeground(0, compressedColour_);
  else if (item->encrypted && colourEncrypted_)
    item->setForeground(0, encryptedColour_);
  item->setChildIndicatorPolicy(!isFile && HasSubEntries(path, false)
                                    ? QTreeWidgetItem::ShowIndicator
                                    : QTreeWidgetItem::DontShowIndicator);
  parent->addChild(item);
  return item;
}

bool FolderTree::FileShown(const DirectoryEntry& entry) const {
  const std::string& name = entry.name;
  if (!DirectoryEntries::MatchesMask(name, fileMask_)) return false;
  if ((hiddenAttributes_ & kHiddenDotName) && !name.empty() && name[0] == '.') return false;
  if ((hiddenAttributes_ & kHiddenTemporary) && !name.empty() && name.back() == '~') return false;
  if ((hiddenAttributes_ & kHiddenSystem) && entry.kind == DirectoryEntry::Kind::Other)
    return false;
  return true;
}

bool FolderTree::HasSubEntries(const std::string& path, bool removableRoot) const {
  if (removableRoot) return true;  // the disk is not read
  for (const DirectoryEntry& entry : DirectoryEntries::Read(path)) {
    if (entry.kind == DirectoryEntry::Kind::Folder ||
        entry.kind == DirectoryEntry::Kind::LinkToFolder)
      return true;
    if (showFiles_ && FileShown(entry)) return true;
  }
  return false;
}

void FolderTree::ListChildren(QTreeWidgetItem* item, const std::string& path) {
  DeleteChildren(item);
  const std::vector<DirectoryEntry> entries = DirectoryEntries::Read(path);
  for (const DirectoryEntry& entry : entries) {
    if (entry.kind == DirectoryEntry::Kind::Folder ||
        entry.kind == DirectoryEntry::Kind::LinkToFolder)
      InsertItem(item, DirectoryEntries::Join(path, entry.name), entry.name, false);
  }
  ShowFilesOf(path);
  if (showFiles_) {
    for (const DirectoryEntry& entry : entries) {
      if (entry.kind == DirectoryEntry::Kind::Folder ||
          entry.kind == DirectoryEntry::Kind::LinkToFolder)
        continue;
      if (FileShown(entry))
        InsertItem(item, DirectoryEntries::Join(path, entry.name), entry.name, true);
    }
  }
  item->sortChildren(0, Qt::AscendingOrder);
  if (item != invisibleRootItem() && item->childCount() == 0)
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void FolderTree::DeleteChildren(QTreeWidgetItem* item) {
  // The selection leaves the doomed items quietly; the caller puts it back where it belongs.
  for (QTreeWidgetItem* at = currentItem(); at; at = at->parent()) {
    if (at->parent() == item || (item == invisibleRootItem() && !at->parent())) {
      const bool was = programmatic_;
      programmatic_ = true;
      setCurrentItem(item == invisibleRootItem() ? nullptr : item);
      programmatic_ = was;
      break;
    }
  }
  for (int i = 0; i < item->childCount(); ++i) {
    const FolderTreeItem* child = ItemOf(item->child(i));
    if (child && child->IsDriveRoot()) StopMonitoring(child->Path());
  }
  qDeleteAll(item->takeChildren());
}

// ---- expansion and selection ---------------------------------------------------------------

FolderTreeItem* FolderTree::ItemOf(QTreeWidgetItem* item) const {
  return dynamic_cast<FolderTreeItem*>(item);
}

void FolderTree::EnsurePopulated(QTreeWidgetItem* item) {
  FolderTreeItem* record = ItemOf(item);
  if (!record || item->childCount() > 0) return;
  if (item->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator) return;
  Populate(record);
}

void FolderTree::Populate(FolderTreeItem* item) {
  if (item->kind() == FolderTreeItem::Kind::Computer) {
    ListDrives(item);
    return;
  }
  if (item->IsDriveRoot() && !PassesMediaCheck(item)) {
    CollapseUnread(item);
    return;
  }
  if (!item->IsVirtualNode() && IsFolder(item->Path())) {
    ListChildren(item, item->Path());
    if (Monitoring() && item->IsDriveRoot()) StartMonitoring(item->Path());
    if (Monitoring() && !item->IsDriveRoot()) WatchShownFolder(item->Path());
    return;
  }
  RemoveVanishedItem(item);
}

void FolderTree::RemoveVanishedItem(QTreeWidgetItem* item) {
  QTreeWidgetItem* parent = item->parent();
  const bool wasSelected = currentItem() == item;
  const bool was = programmatic_;
  programmatic_ = true;
  if (wasSelected) setCurrentItem(parent);
  delete item;
  if (parent && parent->childCount() == 0)
    parent->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
  programmatic_ = was;
  // The file list showed the removed folder; its rows would name paths that are gone.
  if (wasSelected && fileList_) {
    const FolderTreeItem* now = ItemOf(parent);
    if (now && !now->IsVirtualNode())
      ShowFilesOf(now->Path());
    else
      fileList_->DeleteAllItems();
  }
}

bool FolderTree::PassesMediaCheck(const FolderTreeItem* item) {
  const MountEntry* mount = MountOfItem(item);
  if (!mount || !mount->IsRemovableOrCdRom()) return true;
  return media_.Passes(*mount);
}

// The collapse and the removal are the tree's own doing, so they neither select nor list files.
void FolderTree::CollapseUnread(QTreeWidgetItem* item) {
  const bool was = programmatic_;
  programmatic_ = true;
  item->setExpanded(false);
  DeleteChildren(item);
  item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  programmatic_ = was;
}

void FolderTree::ExpandProgrammatically(QTreeWidgetItem* item) {
  const bool was = programmatic_;
  programmatic_ = true;
  EnsurePopulated(item);
  item->setExpanded(true);
  programmatic_ = was;
}

void FolderTree::OnItemExpanded(QTreeWidgetItem* item) {
  FolderTreeItem* record = ItemOf(item);
  if (!programmatic_ && record) {
    // Clicking an item's expand button also makes it the selected folder. When the item is read
    // now, its population lists its files, so the selection need not list them first.
    const MountEntry* mount = record->IsDriveRoot() ? MountOfItem(record) : nullptr;
    listingDeferred_ = item->childCount() == 0 && !record->IsVirtualNode() &&
                       item->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator &&
                       !(mount && mount->IsRemovableOrCdRom());
    setCurrentItem(item);
    listingDeferred_ = false;
  }
  EnsurePopulated(item);
}

void FolderTree::OnItemCollapsed(QTreeWidgetItem* item) {
  FolderTreeItem* record = ItemOf(item);
  if (programmatic_ || !record) return;
  WaitCursor wait;
  if (currentItem() != item) setCurrentItem(item);
  if (record->IsDriveRoot()) StopMonitoring(record->Path());
  const bool was = programmatic_;
  programmatic_ = true;
  DeleteChildren(item);
  item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  programmatic_ = was;
}

void FolderTree::OnSelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  EndRename();  // a label edit left without a new name ends when the selection moves on
  if (programmatic_ && !selectingPath_) return;
  FolderTreeItem* record = ItemOf(current);
  if (!record) return;
  if (!record->IsVirtualNode() && !record->IsDriveRoot() && !record->IsFile() &&
      !IsFolder(record->Path())) {
    // Removed after the selection signal has run its course.
    QTimer::singleShot(0, this, [this, index = QPersistentModelIndex(indexFromItem(current))] {
      if (QTreeWidgetItem* gone = itemFromIndex(index)) RemoveVanishedItem(gone);
    });
    return;
  }
  if (!movingInHistory_) RecordHistory(previous);
  if (record->IsDriveRoot()) {
    if (const MountEntry* mount = MountOfItem(record); mount && mount->IsRemovableOrCdRom())
      media_.Remember(*mount);
  }
  if (record->kind() != FolderTreeItem::Kind::Computer && !listingDeferred_)
    ShowFilesOf(record->Path());
}

// A change on disk re-reads the tree while "Add all files in subfolders" may be filling the
// list: the walk the user asked for goes on, and the notice leaves the list alone.
void FolderTree::ShowFilesOf(const std::string& path) {
  if (!fileList_) return;
  if (handlingNotice_ && fileList_->IsListingSubtree()) return;
  fileList_->ListFolderFiles(path);
}

void FolderTree::RecordHistory(QTreeWidgetItem* previous) {
  if (!previous || maxHistory_ == 0) return;
  while (static_cast<int>(back_.size()) >= maxHistory_) back_.erase(back_.begin());
  back_.emplace_back(indexFromItem(previous));
}

}  // namespace tw
