#include "app/CountListActions.h"

#include <filesystem>
#include <set>

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>

#include "app/CountListModel.h"
#include "app/CountListView.h"

namespace tw {
namespace {

QAction* MakeAction(const QString& text, const char* name, QWidget* owner) {
  auto* action = new QAction(text, owner);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QUrl LocalUrl(const std::string& path) {
  return QUrl::fromLocalFile(QString::fromStdString(path));
}

}  // namespace

CountListActions::CountListActions(CountListView* view, CountListModel* model, QObject* parent)
    : QObject(parent),
      view_(view),
      model_(model),
      opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      remove_(MakeAction(tr("Remove"), "countListRemoveAction", view)),
      open_(MakeAction(tr("Open"), "countListOpenAction", view)),
      openFolder_(MakeAction(tr("Open containing folder"), "countListOpenFolderAction", view)),
      copyPath_(MakeAction(tr("Copy path"), "countListCopyPathAction", view)) {
  // Delete works only while the list has the focus: in the rate edit it deletes a character.
  remove_->setShortcut(QKeySequence::Delete);
  remove_->setShortcutContext(Qt::WidgetShortcut);
  view_->addAction(remove_);
  copyPath_->setShortcut(QKeySequence::Copy);
  copyPath_->setShortcutContext(Qt::WidgetShortcut);
  view_->addAction(copyPath_);
  connect(remove_, &QAction::triggered, this, [this] {
    if (!removeAllowed_ || removeAllowed_()) emit removeRequested();
  });
  connect(open_, &QAction::triggered, this, &CountListActions::OnOpen);
  connect(openFolder_, &QAction::triggered, this, &CountListActions::OnOpenFolder);
  connect(copyPath_, &QAction::triggered, this, &CountListActions::OnCopyPath);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this, &CountListActions::OnContextMenu);
}

std::vector<std::string> CountListActions::SelectedPaths() const {
  std::vector<std::string> paths;
  for (int row : view_->SelectedRows()) {
    if (row < model_->RowCount()) paths.push_back(model_->Rows()[static_cast<size_t>(row)].path);
  }
  return paths;
}

QMenu* CountListActions::BuildMenu(QWidget* parent) {
  const bool selected = !view_->SelectedRows().empty();
  auto* menu = new QMenu(parent);
  // Entries of their own: the list's actions keep their keys, whatever the menu shows.
  const auto entry = [menu, selected](QAction* action) {
    QAction* item = menu->addAction(action->text());
    connect(item, &QAction::triggered, action, &QAction::trigger);
    item->setShortcut(action->shortcut());
    item->setEnabled(selected);
    return item;
  };
  entry(open_);
  entry(openFolder_);
  entry(copyPath_);
  menu->addSeparator();
  entry(remove_)->setEnabled(selected && (!removeAllowed_ || removeAllowed_()));
  return menu;
}

void CountListActions::OnContextMenu(const QPoint& position) {
  // A right click on a row outside the selection acts on that row, as file managers do.
  const QModelIndex clicked = view_->indexAt(position);
  if (clicked.isValid() && !view_->selectionModel()->isRowSelected(clicked.row(), {})) {
    view_->selectionModel()->select(
        clicked, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  QMenu* menu = BuildMenu(view_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(view_->viewport()->mapToGlobal(position));
}

void CountListActions::OnOpen() {
  for (const std::string& path : SelectedPaths()) opener_(LocalUrl(path));
}

void CountListActions::OnOpenFolder() {
  // Ten files of one folder open that folder once.
  std::set<std::string> folders;
  for (const std::string& path : SelectedPaths()) {
    folders.insert(std::filesystem::path(path).parent_path().string());
  }
  for (const std::string& folder : folders) opener_(LocalUrl(folder));
}

void CountListActions::OnCopyPath() {
  const std::vector<std::string> paths = SelectedPaths();
  if (paths.empty()) return;
  QStringList lines;
  for (const std::string& path : paths) lines << QString::fromStdString(path);
  QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

}  // namespace tw
