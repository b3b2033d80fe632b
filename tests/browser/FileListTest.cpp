#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <set>

#include "BrowserTestTree.h"
#include "browser/FileList.h"
#include "browser/FolderTree.h"
#include "browser/EscapeMonitor.h"

namespace tw {
namespace {

using test::BrowserTestTree;

std::set<std::string> Column(const FileList& list, int column) {
  std::set<std::string> values;
  for (int row = 0; row < list.RowCount(); ++row) values.insert(list.CellText(row, column));
  return values;
}

void EnableAll(FileList& list) {
  for (FileType type : {FileType::Doc, FileType::Rtf, FileType::Xls, FileType::Txt, FileType::Htm,
                        FileType::Ppt, FileType::Pdf})
    list.TypeFlags().Flag(type) = 1;
}

TEST(FileList, HasTheFiveColumnsSpelledAsShown) {
  FileList list;
  const char* headers[] = {"Name", "Size", "Type", "Modifed", "Full path"};
  ASSERT_EQ(list.model()->columnCount(), 5);
  for (int column = 0; column < 5; ++column)
    EXPECT_EQ(list.model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
}

TEST(FileList, RendersNameTypeSizeAndFullPath) {
  BrowserTestTree tree;
  struct Case {
    const char* file;
    const char* name;
    const char* type;
  };
  const Case cases[] = {
      {"Report.DOC", "Report", "DOC"},
      {"report.docx", "report", "docx"},
      {"mydocx", "my", "docx"},
      {"page.shtml", "page.s", "html"},
  };
  for (const Case& c : cases) tree.File(c.file, "12345");
  tree.File("doc", "x");  // three characters: its key is "doc", not ".doc"
  tree.File("sheet.xlsx");
  tree.File("letter.docm");
  FileList list;
  EnableAll(list);
  list.ListFolderFiles(tree.Root());
  ASSERT_EQ(list.RowCount(), 4);
  for (const Case& c : cases) {
    int found = -1;
    for (int row = 0; row < list.RowCount(); ++row)
      if (list.CellText(row, FileList::kFullPath) == tree.PathOf(c.file)) found = row;
    ASSERT_GE(found, 0) << c.file;
    EXPECT_EQ(list.CellText(found, FileList::kName), c.name);
    EXPECT_EQ(list.CellText(found, FileList::kType), c.type);
    EXPECT_EQ(list.CellText(found, FileList::kSize), "5");
    EXPECT_EQ(list.CellText(found, FileList::kModified).size(), 17u);  // "MM/DD/YY HH:MM:SS"
  }
}

TEST(FileList, ListsTheReverseOfTheEnumerationOrderAndSkipsFolders) {
  BrowserTestTree tree;
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) tree.File(name);
  tree.Folder("folder.txt");
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.ListFolderFiles(tree.Root());
  ASSERT_EQ(list.RowCount(), 4);
  // The rows stand in the reverse of the folder's enumeration order.
  std::vector<std::string> enumerated;
  for (const auto& entry : std::filesystem::directory_iterator(tree.Root()))
    if (entry.is_regular_file()) enumerated.push_back(entry.path().string());
  std::reverse(enumerated.begin(), enumerated.end());
  EXPECT_EQ(list.AllFullPaths(), enumerated);
}

TEST(FileList, LargeFilesShowTheirFullSize) {
  BrowserTestTree tree;
  const std::pair<const char*, long long> cases[] = {{"big.txt", 5'000'000'000LL},
                                                     {"mid.txt", 3'000'000'000LL}};
  for (const auto& [name, size] : cases) {
    const std::string path = tree.File(name, "");
    ASSERT_EQ(::truncate(path.c_str(), size), 0);  // sparse: no disk space used
  }
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.ListFolderFiles(tree.Root());
  EXPECT_EQ(Column(list, FileList::kSize),
            (std::set<std::string>{"5000000000", "3000000000"}));
}

TEST(FileList, DuplicateTestComparesNameDotTypeOnly) {
  BrowserTestTree tree;
  const std::string first = tree.File("a/notes.txt");
  const std::string second = tree.File("b/notes.txt");
  const std::string upper = tree.File("b/NOTES.txt");
  const std::string dotless1 = tree.File("a/mydocx");
  const std::string dotless2 = tree.File("b/mydocx");
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.TypeFlags().CountDoc = 1;
  list.AddFileToList(first);
  list.AddFileToList(second);  // same name in another folder: not listed again
  list.AddFileToList(upper);   // the test is case-sensitive
  // "my" + "." + "docx" never equals "mydocx": dotless names are never taken for duplicates.
  list.AddFileToList(dotless1);
  list.AddFileToList(dotless2);
  EXPECT_EQ(list.AllFullPaths(), (std::vector<std::string>{dotless2, dotless1, upper, first}));
  list.AddFileToList(first + "/");  // a trailing separator is dropped first
  EXPECT_EQ(list.RowCount(), 4);
}

TEST(FileList, VanishedFileKeepsARowWithoutSizeAndTime) {
  FileList list;
  list.TypeFlags().CountPdf = 1;
  list.AddFileToList("/nonexistent-folder-xyz/gone.pdf");
  ASSERT_EQ(list.RowCount(), 1);
  EXPECT_EQ(list.CellText(0, FileList::kName), "gone");
  EXPECT_EQ(list.CellText(0, FileList::kSize), "");
  EXPECT_EQ(list.CellText(0, FileList::kModified), "");
  EXPECT_EQ(list.CellText(0, FileList::kFullPath), "/nonexistent-folder-xyz/gone.pdf");
}

TEST(FileList, WithEveryFlagClearedListingsAreEmpty) {
  BrowserTestTree tree;
  tree.File("a.txt");
  tree.File("b.doc");
  FileList list;
  list.ListFolderFiles(tree.Root());
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(list.ListFolderTreeFiles(tree.Root()), FileList::kWalkDone);
  EXPECT_EQ(list.RowCount(), 0);
}

TEST(FileList, UnreadableFolderLeavesTheListEmpty) {
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.AddFileToList("/x/y.txt");
  list.ListFolderFiles("/nonexistent-folder-xyz");
  EXPECT_EQ(list.RowCount(), 0);
}

TEST(FileListWalk, ListsTheWholeSubtreeWithoutEmptyingTheList) {
  BrowserTestTree tree;
  const std::string top = tree.File("top.txt");
  const std::string deep = tree.File("a/b/c/deep.txt");
  const std::string other = tree.File("a/other.pdf");
  tree.File("a/b/skip.xls");
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.TypeFlags().CountPdf = 1;
  list.AddFileToList("/elsewhere/kept.txt");
  EXPECT_EQ(list.ListFolderTreeFiles(tree.Root()), FileList::kWalkDone);
  EXPECT_EQ(Column(list, FileList::kFullPath),
            (std::set<std::string>{"/elsewhere/kept.txt", top, deep, other}));
}

TEST(FileListWalk, DoesNotFollowLinksToFoldersNorStopAtUnreadableOnes) {
  BrowserTestTree tree;
  const std::string inner = tree.File("a/inner.txt");
  const std::string after = tree.File("z/after.txt");
  const std::string locked = tree.Folder("m/locked");
  tree.File("m/locked/secret.txt");
  // A link back to the top: following it would never end.
  std::filesystem::create_directory_symlink(tree.Root(), tree.PathOf("a/loop"));
  // A link to a file is listed like the file.
  std::filesystem::create_symlink(inner, tree.PathOf("z/link.txt"));
  ::chmod(locked.c_str(), 0);
  FileList list;
  list.TypeFlags().CountTxt = 1;
  EXPECT_EQ(list.ListFolderTreeFiles(tree.Root()), FileList::kWalkDone);
  ::chmod(locked.c_str(), 0700);
  std::set<std::string> paths = Column(list, FileList::kFullPath);
  paths.erase(tree.PathOf("m/locked/secret.txt"));  // readable when the tests run as root
  EXPECT_EQ(paths, (std::set<std::string>{inner, after, tree.PathOf("z/link.txt")}));
}

TEST(FileListWalk, EscapeStopsTheWalkAndKeepsTheRowsSoFar) {
  BrowserTestTree tree;
  for (int i = 0; i < 50; ++i)
    tree.File("f" + std::to_string(i) + "/n" + std::to_string(i) + ".txt");
  FileList list;
  EscapeMonitor escape;
  escape.SetPollInterval(0);
  list.SetEscapeMonitor(&escape);
  list.TypeFlags().CountTxt = 1;
  list.AddFileToList("/elsewhere/kept.txt");
  // The key press waits in the event queue; the walk delivers it at its first test.
  QCoreApplication::postEvent(&list,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_EQ(list.ListFolderTreeFiles(tree.Root()), FileList::kWalkEscaped);
  EXPECT_EQ(list.RowCount(), 1);  // stopped before the first entry
  EXPECT_EQ(list.CellText(list.RowCount() - 1, FileList::kFullPath), "/elsewhere/kept.txt");
  // Without Escape the same walk runs to the end.
  EXPECT_EQ(list.ListFolderTreeFiles(tree.Root()), FileList::kWalkDone);
  EXPECT_EQ(list.RowCount(), 51);
}

TEST(EscapeMonitorTest, RecordsEscapeAsKeyOrShortcutOverrideUntilTested) {
  EscapeMonitor escape;
  QWidget widget;
  EXPECT_FALSE(escape.TestAndClear());
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::ShortcutOverride}) {
    QKeyEvent press(type, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    EXPECT_TRUE(escape.TestAndClear()) << type;
    EXPECT_FALSE(escape.TestAndClear()) << type;
  }
  QKeyEvent other(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &other);
  EXPECT_FALSE(escape.TestAndClear());
}

TEST(FileListWalk, RefillsAskedForDuringTheWalkWait) {
  BrowserTestTree tree;
  for (int i = 0; i < 20; ++i)
    tree.File("d" + std::to_string(i) + "/x" + std::to_string(i) + ".txt");
  tree.File("other/single.txt");
  FileList list;
  EscapeMonitor escape;
  escape.SetPollInterval(0);
  list.SetEscapeMonitor(&escape);
  list.TypeFlags().CountTxt = 1;
  list.AddFileToList("/elsewhere/kept.txt");
  // A change notice handled while the walk delivers events asks for another folder's files.
  QTimer::singleShot(0, &list, [&] { list.ListFolderFiles(tree.PathOf("other")); });
  EXPECT_EQ(list.ListFolderTreeFiles(tree.Root()), FileList::kWalkDone);
  EXPECT_EQ(list.RowCount(), 22);
  EXPECT_EQ(list.CellText(21, FileList::kFullPath), "/elsewhere/kept.txt");
  list.ListFolderFiles(tree.PathOf("other"));  // after the walk it refills as usual
  EXPECT_EQ(list.RowCount(), 1);
}

TEST(FileListWalk, OtherInputIsHeldOffDuringTheWalk) {
  BrowserTestTree tree;
  tree.File("a/x.txt");
  FileList list;
  EscapeMonitor escape;
  escape.SetPollInterval(0);
  list.SetEscapeMonitor(&escape);
  list.TypeFlags().CountTxt = 1;
  bool keySeen = false;
  class KeySpy : public QObject {
   public:
    explicit KeySpy(bool& seen) : seen_(seen) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::KeyPress) seen_ = true;
      return false;
    }
    bool& seen_;
  } spy(keySeen);
  list.installEventFilter(&spy);
  QCoreApplication::postEvent(&list, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
  QAction action;
  bool triggered = false;
  QObject::connect(&action, &QAction::triggered, [&] { triggered = true; });
  QCoreApplication::postEvent(&action, new QShortcutEvent(QKeySequence(Qt::Key_F9), 1));
  class Window : public QWidget {
   public:
    bool asked = false;
    void closeEvent(QCloseEvent* event) override {
      asked = true;
      event->ignore();
    }
  } window;
  window.show();
  QCoreApplication::postEvent(&window, new QCloseEvent);
  EXPECT_EQ(list.ListFolderTreeFiles(tree.Root()), FileList::kWalkDone);
  EXPECT_FALSE(keySeen);
  EXPECT_FALSE(window.asked);  // no close request while the walk runs
  EXPECT_FALSE(triggered);     // and no menu command
}

TEST(FileListToggle, RefillsFromTheSelectedFolderButNotForTheComputerNode) {
  BrowserTestTree tree;
  tree.File("a.txt");
  tree.File("b.doc");
  FolderTree folders;
  folders.SetMountsForTesting({MountEntry{tree.Root(), "", "ext4", DriveType::Fixed}});
  FileList list;
  folders.SetFileList(&list);
  list.TypeFlags().CountTxt = 1;
  list.TypeFlags().CountDoc = 1;
  std::vector<std::pair<FileType, bool>> toggled;
  QObject::connect(&list, &FileList::fileTypeToggled,
                   [&](FileType type, bool on) { toggled.emplace_back(type, on); });
  ASSERT_NE(folders.SelectPath(tree.Root(), false), nullptr);
  EXPECT_EQ(list.RowCount(), 2);
  list.ToggleFileType(FileType::Txt, folders);
  EXPECT_EQ(list.TypeFlags().CountTxt, 0);
  EXPECT_EQ(Column(list, FileList::kType), (std::set<std::string>{"doc"}));
  list.ToggleFileType(FileType::Txt, folders);
  EXPECT_EQ(list.RowCount(), 2);
  ASSERT_EQ(toggled.size(), 2u);
  EXPECT_EQ(toggled[0], std::make_pair(FileType::Txt, false));
  EXPECT_EQ(toggled[1], std::make_pair(FileType::Txt, true));

  folders.setCurrentItem(folders.ComputerNode());
  ASSERT_TRUE(folders.IsComputerNodeSelected());
  list.ToggleFileType(FileType::Doc, folders);
  EXPECT_EQ(list.TypeFlags().CountDoc, 0);
  EXPECT_EQ(list.RowCount(), 2);  // the list keeps its rows
}

TEST(FileListSelection, SelectedPathsComeInAscendingRowOrder) {
  FileList list;
  list.TypeFlags().CountTxt = 1;
  for (const char* path : {"/w/a.txt", "/w/b.txt", "/w/c.txt", "/w/d.txt"})
    list.AddFileToList(path);
  // Rows: d, c, b, a. Select rows 3 and 1 in that order.
  auto* selection = list.selectionModel();
  selection->select(list.model()->index(3, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  selection->select(list.model()->index(1, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_EQ(list.SelectedFullPaths(), (std::vector<std::string>{"/w/c.txt", "/w/a.txt"}));
  EXPECT_EQ(list.AllFullPaths(),
            (std::vector<std::string>{"/w/d.txt", "/w/c.txt", "/w/b.txt", "/w/a.txt"}));
}

TEST(FileListSelection, DoubleClickOnARowIsReported) {
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.AddFileToList("/w/a.txt");
  int doubleClicks = 0;
  QObject::connect(&list, &FileList::fileDoubleClicked, [&] { ++doubleClicks; });
  emit list.doubleClicked(list.model()->index(0, 0));
  emit list.doubleClicked(QModelIndex());  // below the last row: nothing
  EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
}  // namespace tw
