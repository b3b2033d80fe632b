#include "app/FileListActions.h"

#include <QAction>
#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QMenu>

#include "browser/FileList.h"

namespace tw {

FileListActions::FileListActions(FileList* list, QObject* parent)
    : QObject(parent),
      list_(list),
      opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      add_(new QAction(tr("Add to count list"), list)),
      open_(new QAction(tr("Open"), list)) {
  add_->setObjectName(QStringLiteral("fileListAddAction"));
  open_->setObjectName(QStringLiteral("fileListOpenAction"));
  // Only while the list has the focus: elsewhere Enter and Space belong to the focused control.
  add_->setShortcuts(
      {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)});
  add_->setShortcutContext(Qt::WidgetShortcut);
  list_->addAction(add_);
  connect(add_, &QAction::triggered, this, &FileListActions::addRequested);
  connect(open_, &QAction::triggered, this, &FileListActions::OnOpen);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QWidget::customContextMenuRequested, this, &FileListActions::OnContextMenu);
}

QMenu* FileListActions::BuildMenu(QWidget* parent) {
  const bool selected = !list_->SelectedFullPaths().empty();
  auto* menu = new QMenu(parent);
  for (QAction* action : {add_, open_}) {
    QAction* item = menu->addAction(action->text());
    connect(item, &QAction::triggered, action, &QAction::trigger);
    item->setEnabled(selected);
  }
  return menu;
}

void FileListActions::OnContextMenu(const QPoint& position) {
  const QModelIndex clicked = list_->indexAt(position);
  if (clicked.isValid() && !list_->selectionModel()->isRowSelected(clicked.row(), {})) {
    list_->selectionModel()->select(
        clicked, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  QMenu* menu = BuildMenu(list_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(list_->viewport()->mapToGlobal(position));
}

void FileListActions::OnOpen() {
  for (const std::string& path : list_->SelectedFullPaths()) {
    opener_(QUrl::fromLocalFile(QString::fromStdString(path)));
  }
}

}  // namespace tw
