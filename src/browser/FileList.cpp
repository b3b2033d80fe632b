#include "browser/FileList.h"

#include <QHeaderView>
#include <algorithm>

#include "browser/FolderTree.h"
#include "browser/DirectoryEntries.h"
#include "browser/EscapeMonitor.h"
#include "browser/FileListModel.h"
#include "browser/GridLineDelegate.h"

namespace tw {
namespace {

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

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
}

FileList::~FileList() = default;

void FileList::AddFileToList(const std::string& path) {
  StageFile(path);
  model_->Publish();
}

void FileList::StageFile(const std::string& rawPath) {
  std::string path = rawPath;
  if (!path.empty() && path.back() == '/') path.pop_back();
  const std::string fileName = FileNameOf(path);
  if (!flags_.AcceptsFileName(fileName)) return;
  if (model_->HasName(fileName)) return;
  FileListRow row;
  row.type = FileListRow::TypeOfName(fileName);
  row.name = FileListRow::NameOfName(fileName, row.type);
  row.fullPath = path;
  row.FillFromDisk();
  model_->Stage(std::move(row));
}

void FileList::ListFolderFiles(const std::string& folder) {
  // The walk delivers events while it runs (a change notice may ask for a refill): the list
  // belongs to the walk until it ends.
  if (walking_) return;
  model_->Clear();
  for (const DirectoryEntry& entry : DirectoryEntries::Read(folder)) {
    if (entry.kind == DirectoryEntry::Kind::Folder ||
        entry.kind == DirectoryEntry::Kind::LinkToFolder)
      continue;
    if (!DirectoryEntries::MatchesMask(entry.name, fileMask_)) continue;
    StageFile(DirectoryEntries::Join(folder, entry.name));
  }
  model_->Publish();
}

int FileList::ListFolderTreeFiles(const std::string& folder) {
  EscapeMonitor* escape = Escape();
  escape->Clear();
  EscapeMonitor::InputGate gate(escape);
  walking_ = true;
  const int result = WalkFolder(folder);
  walking_ = false;
  model_->Publish();
  return result;
}

// Depth-first in enumeration order, with an explicit stack so that deep trees need neither deep
// recursion nor one open folder handle per level. Links to folders are not followed (a link loop
// would never end) and an unreadable folder is passed over.
int FileList::WalkFolder(const std::string& folder) {
  struct Level {
    std::string path;
    std::vector<DirectoryEntry> entries;
    size_t next = 0;
  };
  EscapeMonitor* escape = Escape();
  std::vector<Level> stack;
  stack.push_back({folder, DirectoryEntries::Read(folder), 0});
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next == level.entries.size()) {
      stack.pop_back();
      continue;
    }
    if (escape->Poll([this] { model_->Publish(); })) return kWalkEscaped;
    const DirectoryEntry& entry = level.entries[level.next++];
    const std::string path = DirectoryEntries::Join(level.path, entry.name);
    if (entry.kind == DirectoryEntry::Kind::Folder) {
      stack.push_back({path, DirectoryEntries::Read(path), 0});
    } else if (entry.kind != DirectoryEntry::Kind::LinkToFolder) {
      StageFile(path);
    }
  }
  return kWalkDone;
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

EscapeMonitor* FileList::Escape() const {
  return escape_ ? escape_ : EscapeMonitor::Application();
}

}  // namespace tw
