// The folder tree's configuration: the main window's set-up and the setters, each of which
// rebuilds the tree once it has been built.
#include <algorithm>

#include "browser/FileList.h"
#include "browser/FolderTree.h"

namespace tw {

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
  media_.SetReader(std::move(reader));
}

void FolderTree::SetMountsForTesting(std::vector<MountEntry> mounts) {
  mounts_ = std::move(mounts);
  mountsOverridden_ = true;
  RebuildIfBuilt();
}

}  // namespace tw
