// Change monitoring of the folder tree: one inotify monitor per expanded mount; notices reach the
// window thread as queued calls and re-read the mount's first level.
#include <QMetaObject>

#include "browser/FolderMonitor.h"
#include "browser/FolderTree.h"
#include "browser/FolderTreeItem.h"

namespace tw {

void FolderTree::StartMonitoring(const std::string& path) {
  StopMonitoring(path);
  const int id = nextMonitorId_++;
  auto monitor =
      std::make_unique<FolderMonitor>(id, path, showFiles_, monitoring_, [this](int noticeId) {
        // Runs on the worker: only a queued call to the window thread, never tree work.
        QMetaObject::invokeMethod(
            this, [this, noticeId] { OnChangeNotice(noticeId); }, Qt::QueuedConnection);
      });
  // A path that cannot be watched is simply not kept up to date.
  if (!monitor->Start()) return;
  monitors_.emplace(id, std::move(monitor));
}

void FolderTree::StopMonitoring(const std::string& path) {
  for (auto it = monitors_.begin(); it != monitors_.end(); ++it) {
    if (it->second->Path() == path) {
      monitors_.erase(it);  // the monitor's destructor stops and joins its worker
      return;
    }
  }
}

void FolderTree::StopAllMonitoring() {
  monitors_.clear();
}

std::vector<std::string> FolderTree::MonitoredPaths() const {
  std::vector<std::string> paths;
  for (const auto& [id, monitor] : monitors_)
    if (monitor->Running()) paths.push_back(monitor->Path());
  return paths;
}

int FolderTree::MonitorEventsHandled() const {
  int events = 0;
  for (const auto& [id, monitor] : monitors_) events += monitor->EventsHandled();
  return events;
}

void FolderTree::WatchShownFolder(const std::string& path) {
  FolderMonitor* best = nullptr;
  for (const auto& [id, monitor] : monitors_) {
    const std::string& root = monitor->Path();
    const bool below = root == "/" || path.compare(0, root.size(), root) == 0;
    if (below && (!best || root.size() > best->Path().size())) best = monitor.get();
  }
  if (best) best->Watch(path);
}

void FolderTree::OnChangeNotice(int monitorId) {
  auto found = monitors_.find(monitorId);
  // A notice of a monitor that has since been stopped is dropped.
  if (found == monitors_.end()) return;
  found->second->Acknowledge();
  if (!Monitoring()) return;
  const std::string mountPath = found->second->Path();
  QTreeWidgetItem* mountItem = nullptr;
  if (!rootFolder_.empty() && mountPath == rootFolder_) {
    mountItem = invisibleRootItem();
  } else {
    QTreeWidgetItem* drives = computerNode_ ? computerNode_ : invisibleRootItem();
    mountItem = FindChildByKey(drives, mountPath);
  }
  if (!mountItem) return;
  setUpdatesEnabled(false);
  handlingNotice_ = true;
  const std::string selected = GetSelectedPath();
  const bool wasExpanded = currentItem() && currentItem()->isExpanded();
  ListChildren(mountItem, mountPath);
  movingInHistory_ = true;  // putting the selection back is not a move of the user's
  if (!selected.empty()) SelectPath(selected, wasExpanded);
  movingInHistory_ = false;
  handlingNotice_ = false;
  setUpdatesEnabled(true);
  emit changeNoticeHandled(QString::fromStdString(mountPath));
}

}  // namespace tw
