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

bool IsPrefixFolder(const std::string& folder, const std::string& path) {
  if (folder == "/") return !path.empty() && path[0] == '/';
  return path == folder ||
         (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
          path[folder.size()] == '/');
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

void FolderTree::ConfigureForMainWindow() {
  built_ = false;  // one rebuild at the end instead of one per setting
  SetRootFolder("");
  SetFileMask("*.*");
  SetShowFiles(false);
  SetShowComputerNode(true);
  SetShowNetworkNode(false);
  SetDriveTypesToHide(0);
  SetShowSharedOverlay(true);
  SetMonitoring(true);
  SetDisplayNames(true);
  SetExtensionDisplay(kShellTitle);
  SetMaxHistory(20);
  SetAllowSwitches(kAllowProperties);
  built_ = true;
  Refresh();
}

void FolderTree::SetFileList(FileList* fileList) {
  fileList_ = fileList;
  if (fileList_) fileList_->SetFileMask(fileMask_);
}

// ---- configuration -------------------------------------------------------------------------

void FolderTree::RebuildIfBuilt() {
  if (built_) Refresh();
}

void FolderTree::SetRootFolder(const std::string& root) {
  rootFolder_ = root;
  while (rootFolder_.size() > 1 && rootFolder_.back() == '/') rootFolder_.pop_back();
  RebuildIfBuilt();
}

void FolderTree::SetFileMask(const std::string& mask) {
  fileMask_ = mask;
  if (fileList_) fileList_->SetFileMask(mask);
  RebuildIfBuilt();
}

void FolderTree::SetShowFiles(bool on) {
  showFiles_ = on;
  RebuildIfBuilt();
}

void FolderTree::SetHiddenAttributes(unsigned attributes) {
  hiddenAttributes_ = attributes;
  RebuildIfBuilt();
}

void FolderTree::SetShowComputerNode(bool on) {
  showComputerNode_ = on;
  RebuildIfBuilt();
}

void FolderTree::SetShowNetworkNode(bool on) {
  showNetworkNode_ = on;
  RebuildIfBuilt();
}

void FolderTree::SetDriveTypesToHide(unsigned driveTypeBits) {
  hiddenDriveTypes_ = driveTypeBits;
  RebuildIfBuilt();
}

void FolderTree::SetShowSharedOverlay(bool on) {
  sharedOverlay_ = on;
  RebuildIfBuilt();
}

void FolderTree::SetCompressedColour(bool on, QColor colour) {
  colourCompressed_ = on;
  compressedColour_ = colour;
  RebuildIfBuilt();
}

void FolderTree::SetEncryptedColour(bool on, QColor colour) {
  colourEncrypted_ = on;
  encryptedColour_ = colour;
  RebuildIfBuilt();
}

void FolderTree::SetMonitoring(bool on) {
  monitoring_.exchange(on ? 1 : 0);
  RebuildIfBuilt();
}

void FolderTree::SetDisplayNames(bool on) {
  displayNames_ = on;
  RebuildIfBuilt();
}

void FolderTree::SetExtensionDisplay(int mode) {
  extensionDisplay_ = mode;
  RebuildIfBuilt();
}

void FolderTree::SetMaxHistory(int entries) {
  maxHistory_ = std::max(0, entries);
  RebuildIfBuilt();
}

void FolderTree::SetAllowSwitches(unsigned bits) {
  allow_ = bits & ~1u;
  setDragEnabled((allow_ & kAllowDragDrop) != 0);
  setAcceptDrops((allow_ & kAllowDragDrop) != 0);
  setDragDropMode((allow_ & kAllowDragDrop) ? QAbstractItemView::DragDrop
                                            : QAbstractItemView::NoDragDrop);
  RebuildIfBuilt();
}

void FolderTree::SetShareSources(const std::string& usershareDir, const std::string& smbConf,
                                 const std::string& exports) {
  shareSources_ = {usershareDir, smbConf, exports};
  RebuildIfBuilt();
}

void FolderTree::SetVolumeIdReader(VolumeIdReader reader) {
  volumeIdOf_ = reader ? std::move(reader) : VolumeIdReader(&MountTable::VolumeId);
}

void FolderTree::SetMountsForTesting(std::vector<MountEntry> mounts) {
  mounts_ = std::move(mounts);
  mountsOverridden_ = true;
  RebuildIfBuilt();
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
  node->setText(0, QStringLiteral("Computer"));
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
    const bool was = programmatic_;
    programmatic_ = true;
    item->setExpanded(false);
    DeleteChildren(item);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    programmatic_ = was;
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
  const std::optional<unsigned long long> id = volumeIdOf_(mount->path);
  auto remembered = volumeIds_.find(mount->path);
  if (!id) {
    volumeIds_.erase(mount->path);
    return false;
  }
  if (remembered == volumeIds_.end() || remembered->second == *id) {
    volumeIds_[mount->path] = *id;
    return true;
  }
  volumeIds_.erase(mount->path);  // another medium: read afresh on the next expansion
  return false;
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
    if (const MountEntry* mount = MountOfItem(record); mount && mount->IsRemovableOrCdRom()) {
      if (auto id = volumeIdOf_(mount->path)) volumeIds_[mount->path] = *id;
    }
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

// ---- paths ---------------------------------------------------------------------------------

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

}  // namespace tw
