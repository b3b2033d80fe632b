#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <set>

#include "BrowserTestTree.h"
#include "browser/FileList.h"
#include "browser/FolderTree.h"
#include "browser/FolderTreeItem.h"

namespace tw {
namespace {

using test::BrowserTestTree;

// A tree whose only mount is a temporary folder, configured as the main window does.
struct TreeFixture {
  BrowserTestTree disk;
  FolderTree tree;
  FileList list;

  TreeFixture() {
    tree.SetMountsForTesting({MountEntry{disk.Root(), "", "ext4", DriveType::Fixed}});
    tree.SetFileList(&list);
    tree.ConfigureForMainWindow();
    tree.SetMonitoring(false);  // these tests change the disk and look at the tree themselves
    list.TypeFlags().CountTxt = 1;
  }
  QTreeWidgetItem* Select(const std::string& relative, bool expand = false) {
    return tree.SelectPath(relative.empty() ? disk.Root() : disk.PathOf(relative), expand);
  }
  std::vector<std::string> ChildKeys(QTreeWidgetItem* item) {
    std::vector<std::string> keys;
    for (int i = 0; i < item->childCount(); ++i)
      keys.push_back(static_cast<FolderTreeItem*>(item->child(i))->KeyText());
    return keys;
  }
};

TEST(FolderTree, StartsWithTheComputerNodeAndItsMounts) {
  TreeFixture f;
  ASSERT_EQ(f.tree.topLevelItemCount(), 1);
  QTreeWidgetItem* computer = f.tree.topLevelItem(0);
  EXPECT_EQ(computer, f.tree.ComputerNode());
  EXPECT_EQ(computer->text(0), "Computer");
  EXPECT_EQ(computer->childCount(), 0);  // read on first expansion
  computer->setExpanded(true);
  ASSERT_EQ(computer->childCount(), 1);
  EXPECT_EQ(f.tree.ItemPath(computer->child(0)), f.disk.Root());
}

TEST(FolderTree, SelectPathResolvesExactComponentsOnly) {
  TreeFixture f;
  f.disk.Folder("Docs/Letters");
  f.disk.Folder("docs");
  QTreeWidgetItem* letters = f.Select("Docs/Letters");
  ASSERT_NE(letters, nullptr);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.PathOf("Docs/Letters"));
  EXPECT_EQ(f.tree.SelectPath(f.disk.PathOf("Docs/Letters") + "/", false), letters);
  EXPECT_EQ(f.tree.SelectPath(f.disk.PathOf("Docs//Letters"), false), letters);
  QTreeWidgetItem* lower = f.Select("docs");
  EXPECT_EQ(lower, f.tree.currentItem());
  EXPECT_NE(f.tree.currentItem(), letters->parent());  // "docs" and "Docs" are two folders
  const std::string before = f.tree.GetSelectedPath();
  for (const std::string missing : {"DOCS/letters", "Docs/Nothing", "nothing"})
    EXPECT_EQ(f.Select(missing), nullptr) << missing;
  EXPECT_EQ(f.tree.SelectPath("", false), nullptr);
  EXPECT_EQ(f.tree.SelectPath("/outside-of-every-mount-xyz", false), nullptr);
  EXPECT_EQ(f.tree.GetSelectedPath(), before);  // an unresolved path leaves the selection
}

TEST(FolderTree, RootFolderLimitsWhatResolves) {
  TreeFixture f;
  f.disk.Folder("inside/deeper");
  f.disk.Folder("elsewhere");
  f.tree.SetRootFolder(f.disk.PathOf("inside"));
  EXPECT_EQ(f.tree.topLevelItemCount(), 1);
  EXPECT_NE(f.Select("inside/deeper"), nullptr);
  EXPECT_EQ(f.Select("elsewhere"), nullptr);
}

TEST(FolderTree, SelectionListsTheFolderIntoTheFileList) {
  TreeFixture f;
  f.disk.File("a/one.txt");
  f.disk.File("a/two.txt");
  f.disk.File("b/three.txt");
  f.Select("a");
  ASSERT_TRUE(test::ListingEnds(f.list));
  EXPECT_EQ(f.list.RowCount(), 2);
  f.Select("b");
  ASSERT_TRUE(test::ListingEnds(f.list));
  ASSERT_EQ(f.list.RowCount(), 1);
  EXPECT_EQ(f.list.CellText(0, FileList::kFullPath), f.disk.PathOf("b/three.txt"));
  f.tree.setCurrentItem(f.tree.ComputerNode());
  EXPECT_FALSE(f.list.IsListing());
  EXPECT_EQ(f.list.RowCount(), 1);  // the computer node lists nothing
  EXPECT_EQ(f.tree.GetSelectedPath(), "");
}

TEST(FolderTree, FoldersAreSortedAndGetExpandButtonsBySubEntries) {
  TreeFixture f;
  f.disk.Folder("beta/child");
  f.disk.Folder("Alpha");
  f.disk.File("gamma/.hidden.txt");
  f.disk.File("gamma/visible.txt");
  f.disk.File("top.txt");
  QTreeWidgetItem* root = f.Select("", true);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(f.ChildKeys(root), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  const auto policy = [&](int i) { return root->child(i)->childIndicatorPolicy(); };
  EXPECT_EQ(policy(0), QTreeWidgetItem::DontShowIndicator);
  EXPECT_EQ(policy(1), QTreeWidgetItem::ShowIndicator);
  // Files alone give no expand button while the tree does not show files.
  EXPECT_EQ(policy(2), QTreeWidgetItem::DontShowIndicator);
  f.tree.SetShowFiles(true);
  root = f.Select("", true);
  EXPECT_EQ(f.ChildKeys(root), (std::vector<std::string>{"Alpha", "beta", "gamma", "top.txt"}));
  EXPECT_EQ(root->child(2)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
  QTreeWidgetItem* gamma = f.Select("gamma", true);
  EXPECT_EQ(f.ChildKeys(gamma), (std::vector<std::string>{"visible.txt"}));  // dot names hidden
}

TEST(FolderTree, VanishedFolderIsRemovedWhenSelected) {
  TreeFixture f;
  f.disk.Folder("keep");
  f.disk.Folder("gone");
  QTreeWidgetItem* root = f.Select("", true);
  ASSERT_EQ(root->childCount(), 2);
  std::filesystem::remove(f.disk.PathOf("gone"));
  ASSERT_EQ(f.tree.ItemPath(root->child(0)), f.disk.PathOf("gone"));
  f.tree.setCurrentItem(root->child(0));
  QCoreApplication::processEvents();
  EXPECT_EQ(f.ChildKeys(root), (std::vector<std::string>{"keep"}));
}

TEST(FolderTree, ExpandingByHandSelectsAndCollapsingForgetsTheChildren) {
  TreeFixture f;
  f.disk.Folder("a/b/c");
  QTreeWidgetItem* root = f.Select("", true);
  QTreeWidgetItem* a = root->child(0);
  a->setExpanded(true);  // as a click on the expand button does
  EXPECT_EQ(f.tree.currentItem(), a);
  ASSERT_EQ(a->childCount(), 1);
  f.disk.Folder("a/new");
  a->setExpanded(false);
  EXPECT_EQ(a->childCount(), 0);
  EXPECT_EQ(a->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
  a->setExpanded(true);
  EXPECT_EQ(f.ChildKeys(a), (std::vector<std::string>{"b", "new"}));  // read from disk again
}

TEST(FolderTree, RefreshKeepsTheSelection) {
  TreeFixture f;
  f.disk.Folder("x/y");
  f.Select("x/y");
  f.disk.Folder("x/z");
  f.tree.Refresh();
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.PathOf("x/y"));
  EXPECT_EQ(f.ChildKeys(f.tree.currentItem()->parent()), (std::vector<std::string>{"y", "z"}));
}

TEST(FolderTree, RemovableMediaAreNotReadUntilExpandedAndHiddenTypesStayOut) {
  BrowserTestTree fixed;
  BrowserTestTree stick;
  FolderTree tree;
  tree.SetMountsForTesting({MountEntry{fixed.Root(), "", "ext4", DriveType::Fixed},
                            MountEntry{stick.Root(), "/dev/sdz1", "vfat", DriveType::Removable}});
  tree.ConfigureForMainWindow();
  tree.SetMonitoring(false);
  QTreeWidgetItem* computer = tree.ComputerNode();
  computer->setExpanded(true);
  ASSERT_EQ(computer->childCount(), 2);
  // Both are empty, but only the removable one keeps its button until it is read.
  EXPECT_EQ(computer->child(0)->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
  EXPECT_EQ(computer->child(1)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
  computer->child(1)->setExpanded(true);
  EXPECT_EQ(computer->child(1)->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
  tree.SetDriveTypesToHide(static_cast<unsigned>(DriveType::Removable));
  tree.ComputerNode()->setExpanded(true);
  ASSERT_EQ(tree.ComputerNode()->childCount(), 1);
  EXPECT_EQ(tree.ItemPath(tree.ComputerNode()->child(0)), fixed.Root());
}

TEST(FolderTree, ASwappedMediumIsReadAfresh) {
  BrowserTestTree stick;
  stick.Folder("first-disk");
  FolderTree tree;
  unsigned long long medium = 1;
  tree.SetVolumeIdReader([&](const std::string&) { return std::optional(medium); });
  tree.SetMountsForTesting({MountEntry{stick.Root(), "/dev/sdz1", "vfat", DriveType::Removable}});
  tree.ConfigureForMainWindow();
  tree.SetMonitoring(false);
  tree.ComputerNode()->setExpanded(true);
  QTreeWidgetItem* drive = tree.ComputerNode()->child(0);
  drive->setExpanded(true);
  ASSERT_EQ(drive->childCount(), 1);
  EXPECT_EQ(drive->child(0)->text(0), "first-disk");
  drive->setExpanded(false);
  // Another medium goes in while the drive stays selected.
  std::filesystem::remove(stick.PathOf("first-disk"));
  stick.Folder("second-disk");
  medium = 2;
  drive->setExpanded(true);
  EXPECT_EQ(drive->childCount(), 0);  // the first expansion notices the swap and collapses
  EXPECT_FALSE(drive->isExpanded());
  EXPECT_EQ(drive->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
  drive->setExpanded(true);
  ASSERT_EQ(drive->childCount(), 1);
  EXPECT_EQ(drive->child(0)->text(0), "second-disk");
  // No readable medium: collapsed, button kept.
  drive->setExpanded(false);
  tree.SetVolumeIdReader([](const std::string&) { return std::optional<unsigned long long>(); });
  drive = tree.SelectPath(stick.Root(), false);
  ASSERT_NE(drive, nullptr);
  drive->setExpanded(true);
  EXPECT_EQ(drive->childCount(), 0);
  EXPECT_EQ(drive->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
}

TEST(FolderTree, TheSystemsMountsReachHomeAndTheTemporaryFolder) {
  BrowserTestTree disk;
  disk.Folder("inner");
  FolderTree tree;
  tree.ConfigureForMainWindow();
  QTreeWidgetItem* computer = tree.ComputerNode();
  computer->setExpanded(true);
  ASSERT_GT(computer->childCount(), 0);
  EXPECT_EQ(tree.ItemPath(computer->child(0)), "/");
  const std::string home = QDir::homePath().toStdString();
  if (std::filesystem::is_directory(home)) {
    ASSERT_NE(tree.SelectPath(home, true), nullptr);
    EXPECT_EQ(tree.GetSelectedPath(), home);
  }
  ASSERT_NE(tree.SelectPath(disk.PathOf("inner"), false), nullptr);
  EXPECT_EQ(tree.GetSelectedPath(), disk.PathOf("inner"));
}

TEST(FolderTree, SharedFoldersCarryTheOverlay) {
  TreeFixture f;
  f.disk.Folder("public");
  f.disk.Folder("private");
  const std::string exports = f.disk.File("exports", f.disk.PathOf("public") + " *(ro)\n");
  f.tree.SetShareSources("/nonexistent-xyz", "/nonexistent-xyz", exports);
  QTreeWidgetItem* root = f.Select("", true);
  ASSERT_EQ(root->childCount(), 2);
  auto* priv = static_cast<FolderTreeItem*>(root->child(0));
  auto* pub = static_cast<FolderTreeItem*>(root->child(1));
  EXPECT_TRUE(pub->shared);
  EXPECT_FALSE(priv->shared);
  EXPECT_NE(pub->icon(0).pixmap(16, 16).toImage(), priv->icon(0).pixmap(16, 16).toImage());
  f.tree.SetShowSharedOverlay(false);
  root = f.Select("", true);
  EXPECT_EQ(root->child(1)->icon(0).pixmap(16, 16).toImage(),
            root->child(0)->icon(0).pixmap(16, 16).toImage());
}

TEST(FolderTreeHistory, BackAndForwardRetraceTheSelection) {
  TreeFixture f;
  for (const char* name : {"A", "B", "C"}) f.disk.Folder(name);
  f.Select("A");
  f.Select("B");
  f.Select("C");
  f.tree.RunCommand(FolderTree::kCmdBack);
  f.tree.RunCommand(FolderTree::kCmdBack);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.PathOf("A"));
  f.tree.RunCommand(FolderTree::kCmdForward);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.PathOf("B"));
  f.tree.RunCommand(FolderTree::kCmdForward);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.PathOf("C"));
  EXPECT_FALSE(f.tree.IsCommandEnabled(FolderTree::kCmdForward));
}

TEST(FolderTreeHistory, IsCappedAndDropsDeletedItems) {
  TreeFixture f;
  for (int i = 0; i < 30; ++i) f.disk.Folder("f" + std::to_string(i));
  for (int i = 0; i < 30; ++i) f.Select("f" + std::to_string(i));
  EXPECT_EQ(f.tree.BackHistorySize(), 20);
  // Collapsing the mount deletes every item the history names.
  f.tree.currentItem()->parent()->setExpanded(false);
  EXPECT_FALSE(f.tree.IsCommandEnabled(FolderTree::kCmdBack));
  const std::string before = f.tree.GetSelectedPath();
  f.tree.RunCommand(FolderTree::kCmdBack);
  EXPECT_EQ(f.tree.GetSelectedPath(), before);
}

}  // namespace
}  // namespace tw
