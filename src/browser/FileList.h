#pragma once

#include <QTreeView>
#include <string>
#include <vector>

#include "browser/FileTypeFlags.h"

namespace tw {

class FolderTree;
class EscapeMonitor;
class FileListModel;

// The file list (id 1000): the countable files of one folder or one folder subtree, filtered by
// the seven enabled-type flags, in five columns "Name", "Size", "Type", "Modifed", "Full path".
class FileList : public QTreeView {
  Q_OBJECT
 public:
  static constexpr int kControlId = 1000;
  enum Column { kName, kSize, kType, kModified, kFullPath, kColumnCount };
  // ListFolderTreeFiles results.
  static constexpr int kWalkDone = 1;
  static constexpr int kWalkEscaped = 2;

  explicit FileList(QWidget* parent = nullptr);
  ~FileList() override;

  // Applies the type filter and the duplicate test and, when both pass, inserts a row at the top.
  void AddFileToList(const std::string& path);
  // Empties the list and lists the countable files directly inside the folder.
  void ListFolderFiles(const std::string& folder);
  // Adds the countable files of the folder and every folder below it; 1 when done, 2 when Escape
  // stopped the walk. Does not empty the list first.
  int ListFolderTreeFiles(const std::string& folder);
  // Inverts the type's flag and refills the list from the tree's selected folder.
  void ToggleFileType(FileType type, const FolderTree& tree);
  void DeleteAllItems();

  int RowCount() const;
  std::string CellText(int row, int column) const;
  // "Full path" of the selected rows, in ascending row order.
  std::vector<std::string> SelectedFullPaths() const;
  std::vector<std::string> AllFullPaths() const;

  FileTypeFlags& TypeFlags() { return flags_; }
  const FileTypeFlags& TypeFlags() const { return flags_; }

  // The mask ListFolderFiles lists by ("*.*": every file); the tree passes its own on.
  void SetFileMask(const std::string& mask) { fileMask_ = mask; }
  const std::string& FileMask() const { return fileMask_; }
  // The Escape test of the subtree walk (default: the application's monitor).
  void SetEscapeMonitor(EscapeMonitor* monitor) { escape_ = monitor; }

 signals:
  void fileDoubleClicked();
  // A type flag changed through ToggleFileType; the window sets the check box to match.
  void fileTypeToggled(tw::FileType type, bool enabled);

 private:
  // Adds a row without showing it yet (listings show their rows in one block).
  void StageFile(const std::string& path);
  int WalkFolder(const std::string& folder);
  EscapeMonitor* Escape() const;

  FileListModel* model_;
  FileTypeFlags flags_;
  std::string fileMask_ = "*.*";
  EscapeMonitor* escape_ = nullptr;
  bool walking_ = false;
};

}  // namespace tw
