// The tree's shell commands (open, properties, rename, delete, refresh, up, back, forward), their
// keyboard shortcuts and context menu, and drag-and-drop of files onto folders.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDrag>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QScopeGuard>
#include <QUrl>
#include <filesystem>

#include "browser/FileList.h"
#include "browser/FolderTree.h"
#include "browser/FolderTreeItem.h"
#include "browser/PropertiesDialog.h"
#include "counting/MessageService.h"

namespace tw {
namespace {

// Switches change monitoring off while the tree changes the disk itself, and back on after.
class MonitoringPause {
 public:
  explicit MonitoringPause(std::atomic<int>& monitoring)
      : monitoring_(monitoring), was_(monitoring.exchange(0)) {}
  ~MonitoringPause() { monitoring_.exchange(was_); }
  MonitoringPause(const MonitoringPause&) = delete;
  MonitoringPause& operator=(const MonitoringPause&) = delete;

 private:
  std::atomic<int>& monitoring_;
  int was_;
};

std::string ParentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

bool FolderTree::Confirm(const QString& text) {
  if (messages_)
    return messages_->Show(text.toStdString(), MessageButtons::YesNo) == MessageAnswer::Yes;
  return QMessageBox::question(this, QApplication::applicationName(), text) == QMessageBox::Yes;
}

void FolderTree::ReportFailure(const QString& text) {
  if (messages_)
    messages_->Show(text.toStdString(), MessageButtons::Ok);
  else
    QMessageBox::warning(this, QApplication::applicationName(), text);
}

bool FolderTree::IsCommandEnabled(Command command) const {
  const auto* item = dynamic_cast<const FolderTreeItem*>(currentItem());
  const bool hasPath = item && !item->Path().empty();
  const bool changeable = hasPath && !item->IsDriveRoot() && !item->IsVirtualNode();
  switch (command) {
    case kCmdUpOneLevel:
      return currentItem() && currentItem()->parent();
    case kCmdOpen:
      return hasPath && (allow_ & kAllowOpen);
    case kCmdDelete:
      return changeable && (allow_ & kAllowDelete);
    case kCmdRename:
      return changeable && (allow_ & kAllowRename);
    case kCmdProperties:
      return hasPath && (allow_ & kAllowProperties);
    case kCmdRefresh:
      return true;
    case kCmdBack:
    case kCmdForward: {
      const auto& stack = command == kCmdBack ? back_ : forward_;
      return std::any_of(stack.begin(), stack.end(),
                         [](const QPersistentModelIndex& index) { return index.isValid(); });
    }
  }
  return false;
}

void FolderTree::RunCommand(Command command) {
  if (!IsCommandEnabled(command)) return;
  switch (command) {
    case kCmdUpOneLevel:
      return GoUp();
    case kCmdOpen:
      return OpenSelected();
    case kCmdDelete:
      return DeleteSelected();
    case kCmdRename:
      return StartRename();
    case kCmdProperties:
      return ShowProperties();
    case kCmdRefresh:
      return Refresh();
    case kCmdBack:
      return MoveInHistory(back_, forward_);
    case kCmdForward:
      return MoveInHistory(forward_, back_);
  }
}

void FolderTree::GoUp() {
  QTreeWidgetItem* parent = currentItem()->parent();
  setCurrentItem(parent);
  scrollToItem(parent);
}

void FolderTree::OpenSelected() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(GetSelectedPath())));
}

void FolderTree::ShowProperties() {
  auto* dialog = new PropertiesDialog(GetSelectedPath(), this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void FolderTree::DeleteSelected() {
  FolderTreeItem* item = ItemOf(currentItem());
  const std::string path = item->Path();
  const QString qpath = QString::fromStdString(path);
  const bool forGood = (commandModifiers_ | QApplication::keyboardModifiers()) & Qt::ShiftModifier;
  // Without the trash there is no undo, so removing for good is confirmed first.
  if (forGood && !Confirm(tr("Remove \"%1\" for good?").arg(qpath))) return;
  bool done = false;
  {
    MonitoringPause pause(monitoring_);
    if (forGood) {
      std::error_code error;
      done = std::filesystem::remove_all(path, error) != static_cast<std::uintmax_t>(-1) && !error;
    } else {
      done = QFile::moveToTrash(qpath);
    }
  }
  if (!done) {
    ReportFailure(tr("\"%1\" could not be deleted.").arg(qpath));
    return;
  }
  RemoveVanishedItem(item);
}

void FolderTree::StartRename() {
  EndRename();
  QTreeWidgetItem* item = currentItem();
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  renamed_ = QPersistentModelIndex(indexFromItem(item));  // after the flag change, which
  editItem(item, 0);                                      // itself reports the item as changed
}

void FolderTree::EndRename() {
  QTreeWidgetItem* item = itemFromIndex(renamed_);
  renamed_ = QPersistentModelIndex();
  if (item) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
}

void FolderTree::OnItemChanged(QTreeWidgetItem* changed, int column) {
  FolderTreeItem* item = ItemOf(changed);
  if (!renamed_.isValid() || itemFromIndex(renamed_) != changed || !item || column != 0) return;
  const QSignalBlocker block(this);
  EndRename();
  const std::string oldName = item->KeyText();
  const size_t dot = oldName.rfind('.');
  const std::string hiddenExtension =
      item->extensionHidden && dot != std::string::npos ? oldName.substr(dot) : std::string();
  const std::string newName = changed->text(0).toStdString() + hiddenExtension;
  const std::error_code error = RenameOnDisk(item, newName);
  if (error || newName == oldName) {
    changed->setText(
        0, QString::fromStdString(oldName.substr(0, oldName.size() - hiddenExtension.size())));
  }
  if (error) {
    ReportFailure(
        tr("\"%1\" could not be renamed: %2")
            .arg(QString::fromStdString(oldName), QString::fromStdString(error.message())));
  }
}

// Renames the item's file or folder within its folder and updates the item; an empty or
// unchanged name does nothing, and an existing name is refused rather than replaced.
std::error_code FolderTree::RenameOnDisk(FolderTreeItem* item, const std::string& newName) {
  if (newName.empty() || newName == item->KeyText()) return {};
  if (newName.find('/') != std::string::npos || newName == "." || newName == "..")
    return std::make_error_code(std::errc::invalid_argument);
  const std::string newPath = JoinPath(ParentOf(item->Path()), newName);
  std::error_code error;
  {
    MonitoringPause pause(monitoring_);
    if (std::filesystem::exists(std::filesystem::symlink_status(newPath, error)))
      return std::make_error_code(std::errc::file_exists);
    std::filesystem::rename(item->Path(), newPath, error);
  }
  if (error) return error;
  item->SetPath(newPath);
  item->SetKeyText(newName);
  // The children's paths name the old folder; they are read again on the next expansion.
  if (item->childCount() > 0) CollapseUnread(item);
  // The file list must not go on offering paths that no longer exist.
  if (currentItem() == item) ShowFilesOf(newPath);
  return {};
}

void FolderTree::PruneHistory(std::vector<QPersistentModelIndex>& stack) const {
  std::erase_if(stack, [](const QPersistentModelIndex& index) { return !index.isValid(); });
}

void FolderTree::MoveInHistory(std::vector<QPersistentModelIndex>& from,
                               std::vector<QPersistentModelIndex>& to) {
  PruneHistory(from);
  PruneHistory(to);
  if (from.empty()) return;
  QTreeWidgetItem* target = itemFromIndex(from.back());
  from.pop_back();
  if (QTreeWidgetItem* was = currentItem()) to.emplace_back(indexFromItem(was));
  movingInHistory_ = true;
  setCurrentItem(target);
  movingInHistory_ = false;
  scrollToItem(target);
}

std::unique_ptr<QMenu> FolderTree::CreateContextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  const std::pair<Command, QString> entries[] = {
      {kCmdOpen, tr("&Open")},       {kCmdProperties, tr("P&roperties")},
      {kCmdRename, tr("Re&name")},   {kCmdDelete, tr("&Delete")},
      {kCmdRefresh, tr("Re&fresh")}, {kCmdUpOneLevel, tr("&Up One Level")},
      {kCmdBack, tr("&Back")},       {kCmdForward, tr("&Forward")},
  };
  for (const auto& [command, caption] : entries) {
    if (command == kCmdRefresh || command == kCmdUpOneLevel) menu->addSeparator();
    QAction* action = menu->addAction(caption);
    action->setData(static_cast<int>(command));
    action->setEnabled(IsCommandEnabled(command));
    connect(action, &QAction::triggered, this, [this, command = command] { RunCommand(command); });
  }
  return menu;
}

void FolderTree::contextMenuEvent(QContextMenuEvent* event) {
  QPoint at = event->globalPos();
  if (event->reason() == QContextMenuEvent::Keyboard && currentItem())
    at = viewport()->mapToGlobal(visualItemRect(currentItem()).bottomLeft());
  CreateContextMenu()->exec(at);
}

void FolderTree::keyPressEvent(QKeyEvent* event) {
  if (state() == QAbstractItemView::EditingState) return QTreeWidget::keyPressEvent(event);
  const bool alt = event->modifiers() & Qt::AltModifier;
  const int key = event->key();
  // The command sees the keys held with it (Shift with Delete removes for good).
  commandModifiers_ = event->modifiers();
  const auto reset = qScopeGuard([this] { commandModifiers_ = Qt::NoModifier; });
  if ((key == Qt::Key_Return || key == Qt::Key_Enter)) {
    RunCommand(alt ? kCmdProperties : kCmdOpen);
  } else if (key == Qt::Key_Delete) {
    RunCommand(kCmdDelete);
  } else if (key == Qt::Key_F2) {
    RunCommand(kCmdRename);
  } else if (key == Qt::Key_F5) {
    RunCommand(kCmdRefresh);
  } else if (key == Qt::Key_Backspace) {
    RunCommand(kCmdUpOneLevel);
  } else if (alt && key == Qt::Key_Left) {
    RunCommand(kCmdBack);
  } else if (alt && key == Qt::Key_Right) {
    RunCommand(kCmdForward);
  } else if ((key == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier)) ||
             key == Qt::Key_Menu) {
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
    contextMenuEvent(&menuEvent);
  } else {
    return QTreeWidget::keyPressEvent(event);
  }
  event->accept();
}

void FolderTree::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeWidgetItem* item = itemAt(event->position().toPoint());
  if (item && item == currentItem() &&
      item->childIndicatorPolicy() == QTreeWidgetItem::DontShowIndicator) {
    RunCommand(kCmdOpen);
    return;
  }
  QTreeWidget::mouseDoubleClickEvent(event);
}

// ---- drag-and-drop ---------------------------------------------------------------------------

bool FolderTree::IsValidDropTarget(const QTreeWidgetItem* dragged,
                                   const QTreeWidgetItem* target) const {
  const auto* from = dynamic_cast<const FolderTreeItem*>(dragged);
  const auto* to = dynamic_cast<const FolderTreeItem*>(target);
  if (!from || !to || to->IsFile() || to->IsVirtualNode() || to->Path().empty()) return false;
  if (to == from || to == from->parent()) return false;
  for (const QTreeWidgetItem* up = to->parent(); up; up = up->parent())
    if (up == from) return false;
  return true;
}

void FolderTree::startDrag(Qt::DropActions /*supportedActions*/) {
  const auto* item = ItemOf(currentItem());
  if (!(allow_ & kAllowDragDrop) || !item || !item->IsFile() || item->IsDriveRoot()) return;
  dragged_ = QPersistentModelIndex(indexFromItem(currentItem()));
  auto* mime = new QMimeData;
  mime->setUrls({QUrl::fromLocalFile(QString::fromStdString(item->Path()))});
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  drag->setPixmap(item->icon(0).pixmap(16, 16));
  drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
  dragged_ = QPersistentModelIndex();
}

void FolderTree::dragEnterEvent(QDragEnterEvent* event) {
  if ((allow_ & kAllowDragDrop) && event->source() == this && dragged_.isValid())
    event->acceptProposedAction();
  else
    event->ignore();
}

void FolderTree::dragMoveEvent(QDragMoveEvent* event) {
  QTreeWidgetItem* target = itemAt(event->position().toPoint());
  if (event->source() != this || !IsValidDropTarget(itemFromIndex(dragged_), target)) {
    event->ignore();
    return;
  }
  setCurrentIndex(QModelIndex());
  event->setDropAction((event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction
                                                                  : Qt::MoveAction);
  event->accept();
}

void FolderTree::dropEvent(QDropEvent* event) {
  QTreeWidgetItem* target = itemAt(event->position().toPoint());
  QTreeWidgetItem* dragged = itemFromIndex(dragged_);
  if (event->source() != this || !IsValidDropTarget(dragged, target)) {
    event->ignore();
    return;
  }
  const bool copy = event->modifiers() & Qt::ControlModifier;
  if (DropOnto(dragged, target, copy)) event->acceptProposedAction();
}

bool FolderTree::DropOnto(QTreeWidgetItem* draggedItem, QTreeWidgetItem* targetItem, bool copy) {
  if (!IsValidDropTarget(draggedItem, targetItem)) return false;
  FolderTreeItem* dragged = ItemOf(draggedItem);
  FolderTreeItem* target = ItemOf(targetItem);
  const std::string name = dragged->KeyText();
  const std::string destination = JoinPath(target->Path(), name);
  std::error_code error;
  {
    MonitoringPause pause(monitoring_);
    if (std::filesystem::exists(destination, error)) {
      error = std::make_error_code(std::errc::file_exists);
    } else if (copy) {
      std::filesystem::copy(dragged->Path(), destination, std::filesystem::copy_options::recursive,
                            error);
    } else {
      std::filesystem::rename(dragged->Path(), destination, error);
    }
  }
  if (error) {
    ReportFailure(tr("\"%1\" could not be %2: %3")
                      .arg(QString::fromStdString(name), copy ? tr("copied") : tr("moved"),
                           QString::fromStdString(error.message())));
    return false;
  }
  if (!FindChildByKey(target, name)) {
    // The target reads itself again on its next expansion.
    const bool was = programmatic_;
    programmatic_ = true;
    target->setExpanded(false);
    DeleteChildren(target);
    target->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    programmatic_ = was;
  }
  if (!copy) RemoveVanishedItem(dragged);
  return true;
}

}  // namespace tw
