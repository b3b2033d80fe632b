#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QObject>

#include "counting/FileTypes.h"

class QAction;
class QCheckBox;
class QComboBox;
class QPushButton;
class QToolButton;
class QWidget;

namespace tw {

class FileList;
class FolderTree;
struct StoredSettings;

// Everything of the main window that belongs to the folder browser: the folder tree (1018), the
// file list (1000), the seven type check boxes, the three add buttons and what they read of the
// browser. The window keeps the count list; it hands this pane the add operations' effects.
class BrowserPane : public QObject {
  Q_OBJECT

 public:
  struct TypeBox {
    FileType type;
    int id;
    const char* caption;
    const char* objectName;
  };
  static const std::array<TypeBox, 7> kTypeBoxes;
  // The later formats' types, entries of the "More types" menu beside the boxes.
  struct TypeEntry {
    FileType type;
    const char* caption;
    const char* objectName;
  };
  static const std::array<TypeEntry, 6> kMenuTypes;

  // Creates the controls as children of `area` (positions come from the window's layout).
  explicit BrowserPane(QWidget* area);

  FolderTree* Tree() const { return tree_; }
  FileList* Files() const { return fileList_; }
  QCheckBox* TypeCheckBox(FileType type) const;
  QAction* TypeMenuEntry(FileType type) const;
  QToolButton* MoreTypesButton() const { return moreTypes_; }
  QPushButton* AddAllButton() const { return addAll_; }
  QPushButton* AddSelectedButton() const { return addSelected_; }
  QPushButton* AddSubfoldersButton() const { return addSubfolders_; }
  QToolButton* HomeButton() const { return home_; }
  // The path field above the tree: a folder typed or pasted there is shown in the tree; its
  // entries are the recent folders.
  QComboBox* PathField() const { return pathField_; }

  std::vector<std::string> SelectedPaths() const;
  std::vector<std::string> AllPaths() const;
  std::string SelectedFolder() const;
  // Selects and expands a folder (the stored one, the home folder, a typed one); false when
  // the tree cannot reach it.
  bool SelectFolder(const std::string& path);
  // Recently shown folders, newest first.
  void SetRecentFolders(const std::vector<std::string>& folders);
  std::vector<std::string> RecentFolders() const;
  // Empties the file list and starts listing every countable file under `folder` into it; returns
  // at once. Escape ends the walk early, keeping what was listed; subtreeListed follows either way.
  void ListSubtree(const std::string& folder);
  // Lists the selected folder again (after the type flags changed without a click).
  void RefreshFileList();

  // The stored check-box states, each followed by its enabled-type flag.
  void ApplyTypeChecks(const StoredSettings& settings);
  // The check boxes' states for the settings file.
  void StoreTypeChecks(StoredSettings& settings) const;
  void SetFileListColumnWidths(const std::array<int, 5>& widths);

 signals:
  void addSelectedRequested();
  void addAllRequested();
  void addSubfoldersRequested();
  // The walk ListSubtree started has ended: done, stopped by Escape or superseded.
  void subtreeListed();

 private:
  void CreateTypeBoxes(QWidget* area);
  void CreateTypeMenu(QWidget* area);
  void SetTypeChecked(FileType type, bool checked);
  bool IsTypeChecked(FileType type) const;
  void CreateFolderBar(QWidget* area);
  void OnPathEntered();
  void OnFolderShown();
  void OnTypeBoxClicked(FileType type);
  void OnTypeToggled(FileType type, bool enabled);

  FolderTree* tree_;
  FileList* fileList_;
  std::array<QCheckBox*, 7> typeBoxes_{};
  std::array<QAction*, 6> typeEntries_{};
  QToolButton* moreTypes_ = nullptr;
  QPushButton* addSubfolders_;
  QPushButton* addSelected_;
  QPushButton* addAll_;
  QToolButton* home_ = nullptr;
  QComboBox* pathField_ = nullptr;
  bool replacingSubtree_ = false;
};

}  // namespace tw
