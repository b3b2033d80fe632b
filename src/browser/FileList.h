#pragma once

#include <QTreeView>
#include <memory>
#include <string>
#include <vector>

#include "browser/FileTypeFlags.h"
#include "browser/FolderWalk.h"

namespace tw {

class FolderTree;
class EscapeMonitor;
class FileListModel;

// The file list: the countable files of one folder or one folder subtree, filtered by the seven
// enabled-type flags, in five columns "Name", "Size", "Type", "Modifed", "Full path". Listings
// run as walks off the window thread and fill the list in batches; a newer listing supersedes
// the one running (its late rows are dropped).
class FileList : public QTreeView {
  Q_OBJECT
 public:
  enum Column { kName, kSize, kType, kModified, kFullPath, kColumnCount };

  explicit FileList(QWidget* parent = nullptr);
  ~FileList() override;

  // Applies the type filter and the duplicate test and, when both pass, inserts a row at the top.
  void AddFileToList(const std::string& path);
  // Empties the list and starts listing the countable files directly inside the folder; ends
  // with folderListed.
  void ListFolderFiles(const std::string& folder);
  // Starts adding the countable files of the folder and every folder below it, without emptying
  // the list first; Escape stops it, keeping the rows listed so far. Ends with subtreeListed.
  void ListFolderTreeFiles(const std::string& folder);
  // Stops the running listing; the rows listed so far stay.
  void CancelListing();
  bool IsListing() const { return walk_ != nullptr; }
  bool IsListingSubtree() const;
  // True when no walk's thread is left, not even of a stopped or superseded walk.
  bool WalksEnded() const { return !walk_ && retired_.empty(); }
  // Inverts the type's flag and refills the list from the tree's selected folder.
  void ToggleFileType(FileType type, const FolderTree& tree);
  // Empties the list, stopping the running listing.
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
  // Where the subtree walk hears Escape from (default: the application's monitor).
  void SetEscapeMonitor(EscapeMonitor* monitor);

 signals:
  void fileDoubleClicked();
  // A type flag changed through ToggleFileType; the window sets the check box to match.
  void fileTypeToggled(tw::FileType type, bool enabled);
  // A folder listing ended: `completed`, or stopped or superseded before its end.
  void folderListed(bool completed);
  // A subtree walk ended: `completed`, or stopped (Escape) or superseded before its end.
  void subtreeListed(bool completed);

 private:
  void StartWalk(FolderWalk::Scope scope, const std::string& folder);
  void RetireWalk();
  void OnRowsFound(const FolderWalk* walk, const std::vector<FileListRow>& rows);
  void OnWalkEnded(FolderWalk* walk, bool completed);
  void EmitEnded(FolderWalk::Scope scope, bool completed);
  void Stage(FileListRow row);

  FileListModel* model_;
  FileTypeFlags flags_;
  std::string fileMask_ = "*.*";
  EscapeMonitor* escape_ = nullptr;
  QMetaObject::Connection escapeConnection_;
  std::unique_ptr<FolderWalk> walk_;
  // Cancelled walks whose threads have not ended yet; the window never waits for them.
  std::vector<std::unique_ptr<FolderWalk>> retired_;
};

}  // namespace tw
