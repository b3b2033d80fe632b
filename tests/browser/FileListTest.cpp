#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <set>

#include "BrowserTestTree.h"
#include "browser/EscapeMonitor.h"
#include "browser/FileList.h"
#include "browser/FolderTree.h"

namespace tw {
namespace {

using test::BrowserTestTree;

// The folder's files in the reverse of their enumeration order: the order the list shows them.
std::vector<std::string> ReverseEnumeration(const std::string& folder) {
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file()) paths.push_back(entry.path().string());
  std::reverse(paths.begin(), paths.end());
  return paths;
}

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

TEST(FileList, ListsByTheExtensionAfterTheLastDotInAnyCase) {
  BrowserTestTree tree;
  struct Case {
    const char* file;
    const char* name;
    const char* type;
  };
  const Case listed[] = {
      {"Report.DOC", "Report", "DOC"},
      {"report.docx", "report", "docx"},
      {"NOTES.TXT", "NOTES", "TXT"},
      {"a.b.Html", "a.b", "Html"},
  };
  for (const Case& c : listed) tree.File(c.file, "12345");
  // The count run and the command line take none of these, so the list offers none of them.
  for (const char* name : {"README.adoc", "mytxt", "mydocx", "doc", "page.shtml", "sheet.xlsb",
                           "letter.docm", "notes.txt.bak"})
    tree.File(name);
  FileList list;
  EnableAll(list);
  list.ListFolderFiles(tree.Root());
  ASSERT_TRUE(test::ListingEnds(list));
  ASSERT_EQ(list.RowCount(), 4);
  for (const Case& c : listed) {
    int found = -1;
    for (int row = 0; row < list.RowCount(); ++row)
      if (list.CellText(row, FileList::kFullPath) == tree.PathOf(c.file)) found = row;
    ASSERT_GE(found, 0) << c.file;
    EXPECT_EQ(list.CellText(found, FileList::kName), c.name);
    EXPECT_EQ(list.CellText(found, FileList::kType), c.type);
    EXPECT_EQ(list.CellText(found, FileList::kSize), "5");
    EXPECT_EQ(list.CellText(found, FileList::kModified).size(), 17u);  // "MM/DD/YY HH:MM:SS"
  }
  FileList textOnly;
  textOnly.TypeFlags().CountTxt = 1;
  textOnly.ListFolderFiles(tree.Root());
  ASSERT_TRUE(test::ListingEnds(textOnly));
  EXPECT_EQ(textOnly.AllFullPaths(), std::vector<std::string>{tree.PathOf("NOTES.TXT")});
}

TEST(FileList, ListsTheReverseOfTheEnumerationOrderAndSkipsFolders) {
  BrowserTestTree tree;
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) tree.File(name);
  tree.Folder("folder.txt");
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.ListFolderFiles(tree.Root());
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(list.AllFullPaths(), ReverseEnumeration(tree.Root()));
}

TEST(FileList, BigFolderListsCompletelyAndInOrder) {
  BrowserTestTree tree;
  for (int i = 0; i < 10'000; ++i) tree.File("f" + std::to_string(i) + ".txt");
  FileList list;
  list.TypeFlags().CountTxt = 1;
  QSignalSpy ended(&list, &FileList::folderListed);
  list.ListFolderFiles(tree.Root());
  EXPECT_EQ(list.RowCount(), 0);  // the rows come from the walk, not from the call
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(list.AllFullPaths(), ReverseEnumeration(tree.Root()));
  ASSERT_EQ(ended.count(), 1);
  EXPECT_TRUE(ended.at(0).at(0).toBool());
}

TEST(FileList, NewerListingSupersedesTheRunningOne) {
  BrowserTestTree tree;
  for (int i = 0; i < 2'000; ++i) tree.File("big/f" + std::to_string(i) + ".txt");
  const std::string small = tree.File("small/only.txt");
  FileList list;
  list.TypeFlags().CountTxt = 1;
  QSignalSpy ended(&list, &FileList::folderListed);
  list.ListFolderFiles(tree.PathOf("big"));
  list.ListFolderFiles(tree.PathOf("small"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return list.WalksEnded(); }, 10'000));
  // Whatever the first walk found before it stopped was dropped, late or not.
  EXPECT_EQ(list.AllFullPaths(), std::vector<std::string>{small});
  ASSERT_EQ(ended.count(), 2);
  EXPECT_FALSE(ended.at(0).at(0).toBool());
  EXPECT_TRUE(ended.at(1).at(0).toBool());
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
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(Column(list, FileList::kSize), (std::set<std::string>{"5000000000", "3000000000"}));
}

TEST(FileList, DuplicateTestComparesNameDotTypeOnly) {
  BrowserTestTree tree;
  const std::string first = tree.File("a/notes.txt");
  const std::string second = tree.File("b/notes.txt");
  const std::string upper = tree.File("b/NOTES.txt");
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.AddFileToList(first);
  list.AddFileToList(second);  // same name in another folder: not listed again
  list.AddFileToList(upper);   // the test is case-sensitive
  EXPECT_EQ(list.AllFullPaths(), (std::vector<std::string>{upper, first}));
  list.AddFileToList(first + "/");  // a trailing separator is dropped first
  EXPECT_EQ(list.RowCount(), 2);
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
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(list.RowCount(), 0);
  list.ListFolderTreeFiles(tree.Root());
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(list.RowCount(), 0);
}

TEST(FileList, UnreadableFolderLeavesTheListEmpty) {
  FileList list;
  list.TypeFlags().CountTxt = 1;
  list.AddFileToList("/x/y.txt");
  list.ListFolderFiles("/nonexistent-folder-xyz");
  EXPECT_EQ(list.RowCount(), 0);
  ASSERT_TRUE(test::ListingEnds(list));
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
  QSignalSpy ended(&list, &FileList::subtreeListed);
  list.ListFolderTreeFiles(tree.Root());
  ASSERT_TRUE(ended.wait(10'000));
  EXPECT_TRUE(ended.at(0).at(0).toBool());
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
  list.ListFolderTreeFiles(tree.Root());
  const bool ended = test::ListingEnds(list);
  ::chmod(locked.c_str(), 0700);
  ASSERT_TRUE(ended);
  std::set<std::string> paths = Column(list, FileList::kFullPath);
  paths.erase(tree.PathOf("m/locked/secret.txt"));  // readable when the tests run as root
  EXPECT_EQ(paths, (std::set<std::string>{inner, after, tree.PathOf("z/link.txt")}));
}

TEST(FileListWalk, EscapeStopsTheWalkAndKeepsTheRowsSoFar) {
  BrowserTestTree tree;
  for (int i = 0; i < 3'000; ++i)
    tree.File("d" + std::to_string(i / 100) + "/n" + std::to_string(i) + ".txt");
  FileList list;
  EscapeMonitor escape;
  list.SetEscapeMonitor(&escape);
  list.TypeFlags().CountTxt = 1;
  list.AddFileToList("/elsewhere/kept.txt");
  // Escape as soon as the first batch is shown: the walk has more than one batch to go.
  int shownAtEscape = -1;
  QObject::connect(list.model(), &QAbstractItemModel::rowsInserted, &list, [&] {
    if (shownAtEscape >= 0) return;
    shownAtEscape = list.RowCount();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&list, &press);
  });
  QSignalSpy ended(&list, &FileList::subtreeListed);
  list.ListFolderTreeFiles(tree.Root());
  ASSERT_TRUE(ended.wait(10'000));
  EXPECT_FALSE(ended.at(0).at(0).toBool());
  ASSERT_TRUE(QTest::qWaitFor([&] { return list.WalksEnded(); }, 10'000));
  ASSERT_GT(shownAtEscape, 1);
  EXPECT_LT(shownAtEscape, 3'001);
  EXPECT_EQ(list.RowCount(), shownAtEscape);
  EXPECT_EQ(list.CellText(list.RowCount() - 1, FileList::kFullPath), "/elsewhere/kept.txt");
  // An Escape without a walk stops nothing: the next walk runs to its end.
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&list, &press);
  list.DeleteAllItems();
  list.ListFolderTreeFiles(tree.Root());
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(list.RowCount(), 3'000);
}

TEST(EscapeMonitorTest, RecordsEscapeAsKeyOrShortcutOverrideUntilTested) {
  EscapeMonitor escape;
  QSignalSpy pressed(&escape, &EscapeMonitor::escapePressed);
  QWidget widget;
  EXPECT_FALSE(escape.TestAndClear());
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::ShortcutOverride}) {
    QKeyEvent press(type, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    EXPECT_TRUE(escape.TestAndClear()) << type;
    EXPECT_FALSE(escape.TestAndClear()) << type;
  }
  const int pressedByEscape = pressed.count();
  EXPECT_GE(pressedByEscape, 2);
  QKeyEvent other(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &other);
  EXPECT_FALSE(escape.TestAndClear());
  EXPECT_EQ(pressed.count(), pressedByEscape);
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
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(list.RowCount(), 2);
  list.ToggleFileType(FileType::Txt, folders);
  EXPECT_EQ(list.TypeFlags().CountTxt, 0);
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(Column(list, FileList::kType), (std::set<std::string>{"doc"}));
  list.ToggleFileType(FileType::Txt, folders);
  ASSERT_TRUE(test::ListingEnds(list));
  EXPECT_EQ(list.RowCount(), 2);
  ASSERT_EQ(toggled.size(), 2u);
  EXPECT_EQ(toggled[0], std::make_pair(FileType::Txt, false));
  EXPECT_EQ(toggled[1], std::make_pair(FileType::Txt, true));

  folders.setCurrentItem(folders.ComputerNode());
  ASSERT_TRUE(folders.IsComputerNodeSelected());
  list.ToggleFileType(FileType::Doc, folders);
  EXPECT_EQ(list.TypeFlags().CountDoc, 0);
  EXPECT_FALSE(list.IsListing());
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
