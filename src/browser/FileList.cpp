#include "browser/FileList.h"

#include <QHeaderView>
#include <algorithm>

#include "browser/EscapeMonitor.h"
#include "browser/FileListModel.h"
#include "browser/FolderTree.h"
#include "browser/GridLineDelegate.h"

namespace tw {

FileList::FileList(QWidget* parent) : QTreeView(parent), model_(new FileListModel(this)) {
  setObjectName(QStringLiteral("fileList"));
  setModel(model_);
  setItemDelegate(new GridLineDelegate(this));
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  header()->setSectionsMovable(true);
  header()->setStretchLastSection(false);
  const int widths[kColumnCount] = {160, 80, 60, 100, 100};
  for (int column = 0; column < kColumnCount; ++column) setColumnWidth(column, widths[column]);
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) emit fileDoubleClicked();
  });
  SetEscapeMonitor(EscapeMonitor::Shared());
}

// The walks' threads end before the list they report to.
FileList::~FileList() {
  walk_.reset();
  retired_.clear();
}

void FileList::SetEscapeMonitor(EscapeMonitor* monitor) {
  disconnect(escapeConnection_);
  escape_ = monitor;
  escapeConnection_ = connect(monitor, &EscapeMonitor::escapePressed, this, [this] {
    if (IsListingSubtree()) CancelListing();
  });
}

void FileList::AddFileToList(const std::string& rawPath) {
  std::string_view path = rawPath;
  if (!path.empty() && path.back() == '/') path.remove_suffix(1);
  if (!flags_.AcceptsPath(path)) return;
  Stage(FileListRow::OfFile(path));
  model_->Publish();
}

void FileList::Stage(FileListRow row) {
  if (model_->HasName(row.DuplicateKey())) return;
  model_->Stage(std::move(row));
}

void FileList::ListFolderFiles(const std::string& folder) {
  RetireWalk();
  model_->Clear();
  StartWalk(FolderWalk::Scope::Folder, folder);
}

void FileList::ListFolderTreeFiles(const std::string& folder) {
  RetireWalk();
  StartWalk(FolderWalk::Scope::Subtree, folder);
}

void FileList::StartWalk(FolderWalk::Scope scope, const std::string& folder) {
  walk_ = std::make_unique<FolderWalk>(FolderWalk::Request{folder, scope, fileMask_, flags_});
  FolderWalk* walk = walk_.get();
  // Context `this`: the rows arrive as queued calls on the window thread, in the order found.
  connect(walk, &FolderWalk::rowsFound, this,
          [this, walk](const std::vector<FileListRow>& rows) { OnRowsFound(walk, rows); });
  connect(walk, &FolderWalk::ended, this,
          [this, walk](bool completed) { OnWalkEnded(walk, completed); });
  walk->Start();
}

void FileList::CancelListing() {
  RetireWalk();
}

bool FileList::IsListingSubtree() const {
  return walk_ && walk_->GetScope() == FolderWalk::Scope::Subtree;
}

// The running walk is told to stop and set aside until its thread ends; what it found and has
// not delivered yet is dropped, so the list shows exactly what was listed when it was stopped.
void FileList::RetireWalk() {
  if (!walk_) return;
  walk_->Cancel();
  const FolderWalk::Scope scope = walk_->GetScope();
  retired_.push_back(std::move(walk_));
  EmitEnded(scope, false);
}

void FileList::OnRowsFound(const FolderWalk* walk, const std::vector<FileListRow>& rows) {
  if (walk != walk_.get()) return;
  for (const FileListRow& row : rows) Stage(row);
  model_->Publish();
}

void FileList::OnWalkEnded(FolderWalk* walk, bool completed) {
  if (walk == walk_.get()) {
    const FolderWalk::Scope scope = walk->GetScope();
    walk_.reset();
    EmitEnded(scope, completed);
    return;
  }
  std::erase_if(retired_, [walk](const std::unique_ptr<FolderWalk>& w) { return w.get() == walk; });
}

void FileList::EmitEnded(FolderWalk::Scope scope, bool completed) {
  if (scope == FolderWalk::Scope::Folder)
    emit folderListed(completed);
  else
    emit subtreeListed(completed);
}

void FileList::ToggleFileType(FileType type, const FolderTree& tree) {
  int& flag = flags_.Flag(type);
  flag = flag ? 0 : 1;
  emit fileTypeToggled(type, flag != 0);
  // With the computer node (or nothing) selected the list keeps its rows.
  if (tree.IsComputerNodeSelected()) return;
  const std::string folder = tree.GetSelectedPath();
  if (folder.empty()) return;
  ListFolderFiles(folder);
}

void FileList::DeleteAllItems() {
  RetireWalk();
  model_->Clear();
}

int FileList::RowCount() const {
  return model_->rowCount();
}

std::string FileList::CellText(int row, int column) const {
  return model_->Cell(row, column);
}

std::vector<std::string> FileList::SelectedFullPaths() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (int row : rows) paths.push_back(model_->Cell(row, kFullPath));
  return paths;
}

std::vector<std::string> FileList::AllFullPaths() const {
  std::vector<std::string> paths;
  const int rows = model_->rowCount();
  paths.reserve(static_cast<size_t>(rows));
  for (int row = 0; row < rows; ++row) paths.push_back(model_->Cell(row, kFullPath));
  return paths;
}

}  // namespace tw
