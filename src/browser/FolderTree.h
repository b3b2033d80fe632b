#pragma once

#include <QColor>
#include <QMenu>
#include <QPersistentModelIndex>
#include <QTreeWidget>
#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "browser/MediaCheck.h"
#include "browser/MountTable.h"
#include "browser/ShareList.h"

namespace tw {

class FileList;
struct DirectoryEntry;
class FolderTreeItem;
class FolderMonitor;
class MessageService;

// The folder tree (id 1018): the computer node, the mounted file systems under it and their
// folders, each level read when first expanded. It fills the file list when the selection moves,
// keeps itself in step with the disk through change monitors, and offers a few shell commands.
class FolderTree : public QTreeWidget {
  Q_OBJECT
 public:
  enum Command : int {
    kCmdUpOneLevel = 32783,
    kCmdOpen = 32784,
    kCmdDelete = 32785,
    kCmdRename = 32786,
    kCmdProperties = 32787,
    kCmdRefresh = 32788,
    kCmdBack = 32789,
    kCmdForward = 32790,
  };
  // Bits of SetAllowSwitches; bit 0 is ignored.
  enum AllowBit : unsigned {
    kAllowDragDrop = 1u << 1,
    kAllowRename = 1u << 2,
    kAllowOpen = 1u << 3,
    kAllowProperties = 1u << 4,
    kAllowDelete = 1u << 5,
  };
  // Attributes that hide a file from the tree: a dot name, a device, pipe or socket,
  // a backup name ending in "~", and files whose data is not on the local disk.
  enum HiddenAttribute : unsigned {
    kHiddenDotName = 0x2,
    kHiddenSystem = 0x4,
    kHiddenTemporary = 0x100,
    kHiddenOffline = 0x1000,
  };
  // Extension display for file labels.
  enum ExtensionDisplay { kNameWithoutExtension = 0, kNameAsStored = 1, kShellTitle = 2 };

  explicit FolderTree(QWidget* parent = nullptr);
  ~FolderTree() override;

  // The main window's configuration: no root, every file, no files in the tree, computer node
  // without network node, shared overlay, monitoring on, and only the harmless commands allowed.
  void ConfigureForMainWindow();
  void SetFileList(FileList* fileList);
  // Where the tree's commands report failures and ask before removing for good (default: a
  // message box of its own).
  void SetMessageService(MessageService* messages) { messages_ = messages; }

  // Rebuilds the whole tree, keeping the selection.
  void Refresh();
  // The selected item's path, "" when nothing (or a node without a path) is selected.
  std::string GetSelectedPath() const;
  // Resolves a path to an item (exact, case-sensitive components), expanding the way there, and
  // selects it; null when it cannot be resolved (the selection then stays).
  QTreeWidgetItem* SelectPath(const std::string& path, bool expandLast);
  std::string ItemPath(const QTreeWidgetItem* item) const;
  bool IsComputerNodeSelected() const;
  QTreeWidgetItem* ComputerNode() const { return computerNode_; }

  // Configuration; each setter rebuilds the tree.
  void SetRootFolder(const std::string& root);
  void SetFileMask(const std::string& mask);
  void SetShowFiles(bool on);
  void SetHiddenAttributes(unsigned attributes);
  void SetShowComputerNode(bool on);
  // The network node is not built on this platform; the switch is kept for completeness.
  void SetShowNetworkNode(bool on);
  void SetDriveTypesToHide(unsigned driveTypeBits);
  void SetShowSharedOverlay(bool on);
  void SetCompressedColour(bool on, QColor colour = QColor(0, 0, 255));
  void SetEncryptedColour(bool on, QColor colour = QColor(255, 0, 0));
  void SetMonitoring(bool on);
  void SetDisplayNames(bool on);
  void SetExtensionDisplay(int mode);
  void SetMaxHistory(int entries);
  void SetAllowSwitches(unsigned bits);
  unsigned AllowSwitches() const { return allow_; }

  const std::string& RootFolder() const { return rootFolder_; }
  const std::string& FileMask() const { return fileMask_; }
  bool ShowFiles() const { return showFiles_; }
  bool Monitoring() const { return monitoring_.load() != 0; }

  // Tree commands (the context menu and the keyboard shortcuts run these).
  bool IsCommandEnabled(Command command) const;
  void RunCommand(Command command);
  int BackHistorySize() const { return static_cast<int>(back_.size()); }
  int ForwardHistorySize() const { return static_cast<int>(forward_.size()); }
  // The context menu of the selected item, each entry enabled by its command's rule.
  std::unique_ptr<QMenu> CreateContextMenu();
  // True when the dragged item may be dropped onto the target.
  bool IsValidDropTarget(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target) const;
  // What a drop does: copies or moves the dragged item's file into the target folder, with
  // monitoring paused; the target reads itself again and a moved item leaves. False on failure
  // (reported) or when the target is not valid.
  bool DropOnto(QTreeWidgetItem* dragged, QTreeWidgetItem* target, bool copy);

  // Paths of the running change monitors.
  std::vector<std::string> MonitoredPaths() const;
  // Changes all running monitors have read and judged, for callers that wait for a change to
  // have been seen.
  int MonitorEventsHandled() const;
  // The shared-folder list the overlay is drawn from (re-read at every rebuild).
  const ShareList& Shares() const { return shares_; }
  // Where the shared folders are read from (Samba usershares folder, smb.conf, NFS exports).
  void SetShareSources(const std::string& usershareDir, const std::string& smbConf,
                       const std::string& exports);
  // How the identity of the medium in a removable drive is read (tests swap media with it).
  using VolumeIdReader = MediaCheck::VolumeIdReader;
  void SetVolumeIdReader(VolumeIdReader reader);
  // Overrides the mount table (tests use a folder of their own as the only mount).
  void SetMountsForTesting(std::vector<MountEntry> mounts);

 signals:
  // A change notice was handled: the mount's first level was read again.
  void changeNoticeHandled(const QString& mountPath);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void startDrag(Qt::DropActions supportedActions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  FolderTreeItem* ItemOf(QTreeWidgetItem* item) const;
  FolderTreeItem* InsertItem(QTreeWidgetItem* parent, const std::string& path,
                             const std::string& keyText, bool isFile);
  void InsertComputerNode();
  void ListDrives(QTreeWidgetItem* parent);
  void ListChildren(QTreeWidgetItem* item, const std::string& path);
  void Populate(FolderTreeItem* item);
  void EnsurePopulated(QTreeWidgetItem* item);
  bool HasSubEntries(const std::string& path, bool removableRoot) const;
  bool FileShown(const DirectoryEntry& entry) const;
  bool PassesMediaCheck(const FolderTreeItem* item);
  // Collapses the item and drops its children; it reads itself again when next expanded.
  void CollapseUnread(QTreeWidgetItem* item);
  const MountEntry* MountOfItem(const FolderTreeItem* item) const;
  const MountEntry* MountOfPath(const std::string& path) const;
  QTreeWidgetItem* StartOfWalk(const std::string& path, std::string& rest);
  QTreeWidgetItem* FindChildByKey(QTreeWidgetItem* parent, const std::string& key);
  void RemoveVanishedItem(QTreeWidgetItem* item);
  void DeleteChildren(QTreeWidgetItem* item);
  void ShowFilesOf(const std::string& path);
  void OnItemExpanded(QTreeWidgetItem* item);
  void OnItemCollapsed(QTreeWidgetItem* item);
  void OnSelectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
  void OnItemChanged(QTreeWidgetItem* item, int column);
  void RecordHistory(QTreeWidgetItem* previous);
  void MoveInHistory(std::vector<QPersistentModelIndex>& from,
                     std::vector<QPersistentModelIndex>& to);
  void ExpandProgrammatically(QTreeWidgetItem* item);
  void RebuildIfBuilt();
  void OpenSelected();
  void ShowProperties();
  void DeleteSelected();
  void StartRename();
  void EndRename();
  std::error_code RenameOnDisk(FolderTreeItem* item, const std::string& newName);
  void GoUp();
  bool Confirm(const QString& text);
  void ReportFailure(const QString& text);
  void PruneHistory(std::vector<QPersistentModelIndex>& stack) const;

  // Change monitoring.
  void StartMonitoring(const std::string& path);
  void StopMonitoring(const std::string& path);
  void StopAllMonitoring();
  void OnChangeNotice(int monitorId);
  void WatchShownFolder(const std::string& path);

  FileList* fileList_ = nullptr;
  MessageService* messages_ = nullptr;
  QTreeWidgetItem* computerNode_ = nullptr;
  std::vector<MountEntry> mounts_;
  bool mountsOverridden_ = false;
  ShareList shares_;
  std::array<std::string, 3> shareSources_ = {ShareList::kUsershareDir, ShareList::kSmbConf,
                                              ShareList::kExports};
  MediaCheck media_;

  std::string rootFolder_;
  std::string fileMask_ = "*.*";
  bool showFiles_ = true;
  unsigned hiddenAttributes_ = kHiddenDotName | kHiddenSystem | kHiddenTemporary | kHiddenOffline;
  bool showComputerNode_ = true;
  bool showNetworkNode_ = true;
  unsigned hiddenDriveTypes_ = 0;
  bool sharedOverlay_ = true;
  bool colourCompressed_ = true;
  QColor compressedColour_{0, 0, 255};
  bool colourEncrypted_ = true;
  QColor encryptedColour_{255, 0, 0};
  std::atomic<int> monitoring_{0};
  bool displayNames_ = true;
  int extensionDisplay_ = kShellTitle;
  int maxHistory_ = 20;
  unsigned allow_ = kAllowOpen | kAllowProperties;

  bool built_ = false;
  bool programmatic_ = false;  // expansions and selections made by the tree itself
  bool movingInHistory_ = false;
  QPersistentModelIndex renamed_;  // the item whose label is being edited
  bool listingDeferred_ = false;   // the expansion that selects an item lists its files itself
  Qt::KeyboardModifiers commandModifiers_ = Qt::NoModifier;
  bool selectingPath_ = false;  // SelectPath's own selection goes through even when programmatic
  bool handlingNotice_ = false;
  QPersistentModelIndex dragged_;
  std::vector<QPersistentModelIndex> back_;
  std::vector<QPersistentModelIndex> forward_;

  int nextMonitorId_ = 1;
  std::map<int, std::unique_ptr<FolderMonitor>> monitors_;
};

}  // namespace tw
