#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <set>

#include "BrowserTestTree.h"
#include "browser/FileList.h"
#include "browser/FolderTree.h"
#include "browser/FolderTreeItem.h"
#include "browser/PropertiesDialog.h"
#include "support/RecordingMessageService.h"

namespace tw {
namespace {

using test::BrowserTestTree;
using Cmd = FolderTree::Command;

struct CommandFixture {
  BrowserTestTree disk;
  FolderTree tree;
  FileList list;
  test::RecordingMessageService messages;

  CommandFixture() {
    tree.SetMountsForTesting({MountEntry{disk.Root(), "", "ext4", DriveType::Fixed}});
    tree.SetFileList(&list);
    tree.ConfigureForMainWindow();
    tree.SetMonitoring(false);
    tree.SetMessageService(&messages);
    tree.resize(300, 400);
    tree.show();
  }
  QTreeWidgetItem* Select(const std::string& relative) {
    return tree.SelectPath(relative.empty() ? disk.Root() : disk.PathOf(relative), false);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&tree, static_cast<Qt::Key>(key), modifiers);
  }
  PropertiesDialog* Properties() { return tree.findChild<PropertiesDialog*>(); }
};

TEST(TreeCommands, MainWindowSwitchesLeaveOnlyTheHarmlessCommands) {
  CommandFixture f;
  f.disk.Folder("folder/sub");
  f.Select("folder");
  const std::pair<Cmd, bool> cases[] = {
      {FolderTree::kCmdUpOneLevel, true}, {FolderTree::kCmdOpen, false},
      {FolderTree::kCmdDelete, false},    {FolderTree::kCmdRename, false},
      {FolderTree::kCmdProperties, true}, {FolderTree::kCmdRefresh, true},
  };
  for (const auto& [command, enabled] : cases)
    EXPECT_EQ(f.tree.IsCommandEnabled(command), enabled) << command;
  const auto menu = f.tree.CreateContextMenu();
  std::set<int> enabledEntries;
  for (QAction* action : menu->actions())
    if (!action->isSeparator() && action->isEnabled())
      enabledEntries.insert(action->data().toInt());
  EXPECT_EQ(enabledEntries, (std::set<int>{FolderTree::kCmdUpOneLevel, FolderTree::kCmdProperties,
                                           FolderTree::kCmdRefresh}));
  f.Select("folder/sub");
  EXPECT_TRUE(f.tree.CreateContextMenu()->actions().size() > 8);
  EXPECT_TRUE(f.tree.IsCommandEnabled(FolderTree::kCmdBack));
}

TEST(TreeCommands, EnablingRulesFollowTheItemAndTheSwitches) {
  CommandFixture f;
  f.disk.Folder("folder");
  f.tree.SetAllowSwitches(FolderTree::kAllowDelete | FolderTree::kAllowRename |
                          FolderTree::kAllowOpen | FolderTree::kAllowProperties | 1u);
  EXPECT_EQ(f.tree.AllowSwitches() & 1u, 0u);  // bit 0 is ignored
  f.Select("folder");
  for (Cmd command : {FolderTree::kCmdDelete, FolderTree::kCmdRename, FolderTree::kCmdOpen,
                      FolderTree::kCmdProperties})
    EXPECT_TRUE(f.tree.IsCommandEnabled(command)) << command;
  f.Select("");  // a mount root is neither deleted nor renamed
  EXPECT_FALSE(f.tree.IsCommandEnabled(FolderTree::kCmdDelete));
  EXPECT_FALSE(f.tree.IsCommandEnabled(FolderTree::kCmdRename));
  EXPECT_TRUE(f.tree.IsCommandEnabled(FolderTree::kCmdOpen));
  f.tree.setCurrentItem(f.tree.ComputerNode());
  EXPECT_FALSE(f.tree.IsCommandEnabled(FolderTree::kCmdUpOneLevel));
  EXPECT_FALSE(f.tree.IsCommandEnabled(FolderTree::kCmdProperties));
}

TEST(TreeCommands, KeysDoOnlyWhatTheSwitchesAllow) {
  CommandFixture f;
  f.disk.Folder("folder/sub");
  QTreeWidgetItem* folder = f.Select("folder");
  ASSERT_NE(folder, nullptr);
  f.Key(Qt::Key_Return);
  f.Key(Qt::Key_Delete);
  f.Key(Qt::Key_F2);
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("folder")));
  EXPECT_EQ(f.tree.viewport()->findChild<QLineEdit*>(), nullptr);  // no label edit began
  EXPECT_EQ(f.Properties(), nullptr);
  f.Key(Qt::Key_Return, Qt::AltModifier);
  ASSERT_NE(f.Properties(), nullptr);
  EXPECT_EQ(f.Properties()->FieldText("Name"), "folder");
  EXPECT_EQ(f.Properties()->FieldText("Type"), "Folder");
  EXPECT_EQ(f.Properties()->FieldText("Location"), QString::fromStdString(f.disk.Root()));
  EXPECT_EQ(f.Properties()->FieldText("Permissions").left(3), "rwx");
  f.Properties()->close();
  QApplication::processEvents();
  f.Key(Qt::Key_Backspace);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.Root());
  f.disk.Folder("later");
  f.Key(Qt::Key_F5);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.Root());
  f.Select("later");
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.PathOf("later"));
  f.Key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.Root());
  f.Key(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.PathOf("later"));
}

TEST(TreeCommands, PropertiesOfAFileShowItsSize) {
  PropertiesDialog dialog("/nonexistent-xyz");
  EXPECT_EQ(dialog.FieldText("Size"), "");
  BrowserTestTree disk;
  const std::string path = disk.File("data.txt", "hello");
  PropertiesDialog file(path);
  EXPECT_TRUE(file.FieldText("Size").startsWith("5 "));
  EXPECT_EQ(PropertiesDialog::PermissionText(0754), "rwxr-xr--");
}

TEST(TreeCommands, DeleteMovesToTheTrashOrRemovesForGoodWithShift) {
  CommandFixture f;
  // The trash is looked for under XDG_DATA_HOME only when that folder exists; otherwise the
  // trash lands in the current folder.
  const std::string dataHome = f.disk.PathOf("xdg");
  std::filesystem::create_directories(dataHome);
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataHome));
  f.disk.File("trash-me/inner.txt");
  f.disk.File("remove-me/inner.txt");
  f.tree.SetAllowSwitches(FolderTree::kAllowDelete);
  QTreeWidgetItem* folder = f.Select("remove-me");
  QTreeWidgetItem* parent = folder->parent();
  const int children = parent->childCount();
  f.messages.ScriptAnswer(MessageAnswer::No);
  f.Key(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("remove-me")));  // not confirmed
  f.messages.ScriptAnswer(MessageAnswer::Yes);
  f.Key(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_FALSE(std::filesystem::exists(f.disk.PathOf("remove-me")));
  EXPECT_EQ(parent->childCount(), children - 1);
  ASSERT_EQ(f.messages.Boxes().size(), 2u);
  EXPECT_EQ(f.messages.Boxes()[0].buttons, MessageButtons::YesNo);

  f.disk.File("keep.txt");
  f.list.TypeFlags().CountTxt = 1;
  f.Select("trash-me");
  ASSERT_TRUE(test::ListingEnds(f.list));
  ASSERT_EQ(f.list.RowCount(), 1);
  f.Key(Qt::Key_Delete);
  EXPECT_EQ(f.tree.GetSelectedPath(), f.disk.Root());
  ASSERT_TRUE(test::ListingEnds(f.list));
  ASSERT_EQ(f.list.RowCount(), 1);  // the parent's files, no longer the deleted folder's
  EXPECT_EQ(f.list.CellText(0, FileList::kFullPath), f.disk.PathOf("keep.txt"));
  EXPECT_FALSE(std::filesystem::exists(f.disk.PathOf("trash-me")));
  EXPECT_EQ(f.messages.Boxes().size(), 2u);  // no question before the trash
  qunsetenv("XDG_DATA_HOME");
}

TEST(TreeCommands, RenameEditsTheLabelAndRenamesOnDisk) {
  CommandFixture f;
  f.disk.File("old/inside/x.txt");
  f.list.TypeFlags().CountTxt = 1;
  f.disk.Folder("taken");
  f.tree.SetAllowSwitches(FolderTree::kAllowRename);
  auto rename = [&](const QString& text) {
    f.Key(Qt::Key_F2);
    auto* editor = f.tree.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the edit is committed by a queued call
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed editor goes
  };
  QTreeWidgetItem* item = f.Select("old/inside");
  rename("renamed");
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("old/renamed/x.txt")));
  ASSERT_TRUE(test::ListingEnds(f.list));
  ASSERT_EQ(f.list.RowCount(), 1);  // the list shows the files under their new path
  EXPECT_EQ(f.list.CellText(0, FileList::kFullPath), f.disk.PathOf("old/renamed/x.txt"));
  item = f.Select("old");
  rename("new");
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("new/renamed")));
  EXPECT_EQ(f.tree.ItemPath(item), f.disk.PathOf("new"));
  EXPECT_EQ(item->text(0), "new");
  rename("taken");  // an existing name is refused and the label stays
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("new")));
  EXPECT_EQ(item->text(0), "new");
  EXPECT_EQ(f.messages.Boxes().size(), 1u);
}

TEST(TreeDragAndDrop, RefusesItselfItsParentAndItsOwnSubfolders) {
  CommandFixture f;
  f.disk.Folder("a/b/c");
  f.disk.Folder("other");
  f.tree.SetShowFiles(true);
  f.tree.SetAllowSwitches(FolderTree::kAllowDragDrop);
  QTreeWidgetItem* b = f.Select("a/b");
  QTreeWidgetItem* c = f.Select("a/b/c");
  QTreeWidgetItem* a = f.Select("a");
  QTreeWidgetItem* other = f.Select("other");
  EXPECT_FALSE(f.tree.IsValidDropTarget(b, b));
  EXPECT_FALSE(f.tree.IsValidDropTarget(b, a));
  EXPECT_FALSE(f.tree.IsValidDropTarget(b, c));
  EXPECT_TRUE(f.tree.IsValidDropTarget(b, other));
  EXPECT_FALSE(f.tree.IsValidDropTarget(b, f.tree.ComputerNode()));
  EXPECT_FALSE(f.tree.DropOnto(b, c, false));
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("a/b/c")));
}

TEST(TreeDragAndDrop, DropMovesOrCopiesTheFileIntoTheFolder) {
  CommandFixture f;
  f.disk.File("a/one.txt", "1");
  f.disk.File("a/two.txt", "2");
  f.disk.File("target/old.txt");
  f.tree.SetShowFiles(true);
  f.tree.SetAllowSwitches(FolderTree::kAllowDragDrop);
  QTreeWidgetItem* target = f.Select("target");
  target->setExpanded(true);
  ASSERT_EQ(target->childCount(), 1);
  QTreeWidgetItem* one = f.Select("a/one.txt");
  QTreeWidgetItem* folderA = one->parent();
  ASSERT_TRUE(f.tree.DropOnto(one, target, /*copy=*/false));
  EXPECT_FALSE(std::filesystem::exists(f.disk.PathOf("a/one.txt")));
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("target/one.txt")));
  EXPECT_EQ(folderA->childCount(), 1);  // the moved item left its folder
  EXPECT_EQ(target->childCount(), 0);   // read again on the next expansion
  EXPECT_EQ(target->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
  QTreeWidgetItem* two = f.Select("a/two.txt");
  ASSERT_TRUE(f.tree.DropOnto(two, target, /*copy=*/true));
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("a/two.txt")));
  EXPECT_TRUE(std::filesystem::exists(f.disk.PathOf("target/two.txt")));
  // A name already in the folder is refused and reported; nothing is overwritten.
  ASSERT_FALSE(f.tree.DropOnto(f.Select("a/two.txt"), f.Select("target"), true));
  EXPECT_EQ(f.messages.Boxes().size(), 1u);
}

}  // namespace
}  // namespace tw
