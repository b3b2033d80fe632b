#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "BrowserTestTree.h"
#include "browser/FileList.h"
#include "browser/FolderMonitor.h"
#include "browser/FolderTree.h"
#include "browser/FolderTreeItem.h"

namespace tw {
namespace {

using test::BrowserTestTree;

constexpr int kNoticeWaitMs = 5000;

// Waits until the tree's monitors have judged `events` more changes than `before`, then lets any
// notice they gave reach the tree, so that no notice means none was given.
bool ChangesJudged(const FolderTree& tree, int before, int events) {
  const bool judged = QTest::qWaitFor(
      [&] { return tree.MonitorEventsHandled() >= before + events; }, kNoticeWaitMs);
  QCoreApplication::sendPostedEvents();
  return judged;
}

struct MonitorFixture {
  BrowserTestTree first;
  BrowserTestTree second;
  FolderTree tree;
  FileList list;

  MonitorFixture() {
    tree.SetMountsForTesting({MountEntry{first.Root(), "", "ext4", DriveType::Fixed},
                              MountEntry{second.Root(), "", "ext4", DriveType::Fixed}});
    tree.SetFileList(&list);
    tree.ConfigureForMainWindow();  // monitoring on
    list.TypeFlags().CountTxt = 1;
  }
  QTreeWidgetItem* MountItem(int index) { return tree.ComputerNode()->child(index); }
  std::vector<std::string> Keys(QTreeWidgetItem* item) {
    std::vector<std::string> keys;
    for (int i = 0; i < item->childCount(); ++i)
      keys.push_back(static_cast<FolderTreeItem*>(item->child(i))->KeyText());
    return keys;
  }
};

TEST(ChangeMonitoring, NewFolderAnywhereRereadsTheMountAndKeepsTheSelection) {
  MonitorFixture f;
  f.first.Folder("a/b/c");
  f.first.File("a/b/note.txt");
  ASSERT_NE(f.tree.SelectPath(f.first.PathOf("a/b"), true), nullptr);
  EXPECT_EQ(f.tree.MonitoredPaths(), std::vector<std::string>{f.first.Root()});
  QSignalSpy handled(&f.tree, &FolderTree::changeNoticeHandled);
  f.first.Folder("fresh");
  ASSERT_TRUE(handled.wait(kNoticeWaitMs));
  EXPECT_EQ(handled.takeFirst().at(0).toString(), QString::fromStdString(f.first.Root()));
  EXPECT_EQ(f.Keys(f.MountItem(0)), (std::vector<std::string>{"a", "fresh"}));
  EXPECT_EQ(f.tree.GetSelectedPath(), f.first.PathOf("a/b"));
  EXPECT_TRUE(f.tree.currentItem()->isExpanded());
  ASSERT_TRUE(test::ListingEnds(f.list));
  ASSERT_EQ(f.list.RowCount(), 1);
  EXPECT_EQ(f.list.CellText(0, FileList::kFullPath), f.first.PathOf("a/b/note.txt"));
  // Deep below what the tree shows, too.
  f.first.Folder("a/b/c/d/e");
  ASSERT_TRUE(handled.wait(kNoticeWaitMs));
}

TEST(ChangeMonitoring, NewFileCausesNoRereadWhileFilesAreNotShown) {
  MonitorFixture f;
  f.first.Folder("a");
  ASSERT_NE(f.tree.SelectPath(f.first.PathOf("a"), true), nullptr);
  QSignalSpy handled(&f.tree, &FolderTree::changeNoticeHandled);
  const int before = f.tree.MonitorEventsHandled();
  f.first.File("a/new.txt");
  // The mount's own folder is watched from the start (the walk below it may still run), and
  // one queue carries both changes in order: once the last is judged, so is the first.
  f.first.File("top.txt");
  ASSERT_TRUE(ChangesJudged(f.tree, before, 1));
  EXPECT_TRUE(handled.isEmpty());
}

TEST(ChangeMonitoring, CollapsingStopsTheMonitorAndOthersKeepTheirIdentity) {
  MonitorFixture f;
  f.first.Folder("x");
  f.second.Folder("y");
  ASSERT_NE(f.tree.SelectPath(f.first.PathOf("x"), false), nullptr);
  ASSERT_NE(f.tree.SelectPath(f.second.PathOf("y"), false), nullptr);
  EXPECT_EQ(f.tree.MonitoredPaths().size(), 2u);
  QSignalSpy handled(&f.tree, &FolderTree::changeNoticeHandled);
  f.MountItem(0)->setExpanded(false);  // as a click on the collapse button does
  EXPECT_EQ(f.tree.MonitoredPaths(), std::vector<std::string>{f.second.Root()});
  f.first.Folder("ignored");
  // The remaining monitor's notices still reach the right mount, and only they: the stopped
  // monitor's worker has been joined, so nothing of it can still arrive.
  const int before = f.tree.MonitorEventsHandled();
  f.second.Folder("seen");
  ASSERT_TRUE(handled.wait(kNoticeWaitMs));
  ASSERT_TRUE(ChangesJudged(f.tree, before, 1));
  ASSERT_EQ(handled.size(), 1);
  EXPECT_EQ(handled.takeFirst().at(0).toString(), QString::fromStdString(f.second.Root()));
  EXPECT_EQ(f.Keys(f.MountItem(1)), (std::vector<std::string>{"seen", "y"}));
}

TEST(ChangeMonitoring, SwitchingOffEndsEveryMonitor) {
  MonitorFixture f;
  f.first.Folder("a");
  ASSERT_NE(f.tree.SelectPath(f.first.Root(), true), nullptr);
  ASSERT_FALSE(f.tree.MonitoredPaths().empty());
  f.tree.SetMonitoring(false);
  EXPECT_TRUE(f.tree.MonitoredPaths().empty());
  QSignalSpy handled(&f.tree, &FolderTree::changeNoticeHandled);
  f.first.Folder("later");
  // No monitor is left to see it, and none left a notice behind.
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(handled.isEmpty());
}

// The running monitor workers of this process, found by their thread name.
int MonitorThreads() {
  int count = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::ifstream comm(task.path() / "comm");
    std::string name;
    std::getline(comm, name);
    if (name == FolderMonitor::kThreadName) ++count;
  }
  return count;
}

TEST(ChangeMonitoring, DestroyingTheTreeEndsEveryWorker) {
  BrowserTestTree first;
  BrowserTestTree second;
  first.Folder("a");
  second.Folder("b");
  const int before = MonitorThreads();
  auto tree = std::make_unique<FolderTree>();
  tree->SetMountsForTesting({MountEntry{first.Root(), "", "ext4", DriveType::Fixed},
                             MountEntry{second.Root(), "", "ext4", DriveType::Fixed}});
  tree->ConfigureForMainWindow();
  ASSERT_NE(tree->SelectPath(first.PathOf("a"), false), nullptr);
  ASSERT_NE(tree->SelectPath(second.PathOf("b"), false), nullptr);
  EXPECT_EQ(tree->MonitoredPaths().size(), 2u);
  EXPECT_EQ(MonitorThreads(), before + 2);
  tree.reset();
  EXPECT_EQ(MonitorThreads(), before);
}

TEST(FolderMonitorWorker, NotifiesOncePerAcknowledgementAndNotWhilePaused) {
  BrowserTestTree disk;
  std::atomic<int> on{1};
  std::atomic<int> notices{0};
  FolderMonitor monitor(7, disk.Root(), false, on, [&](int id) {
    EXPECT_EQ(id, 7);
    ++notices;
  });
  ASSERT_TRUE(monitor.Start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return monitor.WalksDone() == 1; }, kNoticeWaitMs));
  for (int i = 0; i < 5; ++i) disk.Folder("burst" + std::to_string(i));
  ASSERT_TRUE(QTest::qWaitFor([&] { return monitor.EventsHandled() >= 5; }, kNoticeWaitMs));
  EXPECT_EQ(notices.load(), 1);  // a burst costs one notice until it is acknowledged
  monitor.Acknowledge();
  disk.Folder("burst0/inner");  // a folder made after the watch began is watched too
  EXPECT_TRUE(QTest::qWaitFor([&] { return notices.load() == 2; }, kNoticeWaitMs));
  monitor.Acknowledge();
  on.store(0);  // the tree pauses monitoring while it changes the disk itself
  const int seen = monitor.EventsHandled();
  disk.Folder("paused");
  ASSERT_TRUE(QTest::qWaitFor([&] { return monitor.EventsHandled() > seen; }, kNoticeWaitMs));
  EXPECT_EQ(notices.load(), 2);
  EXPECT_TRUE(monitor.Running());  // and the watch outlives the pause
  on.store(1);
  disk.Folder("resumed");
  EXPECT_TRUE(QTest::qWaitFor([&] { return notices.load() == 3; }, kNoticeWaitMs));
  monitor.Stop();
  EXPECT_FALSE(monitor.Running());
}

TEST(FolderMonitorWorker, UnwatchablePathEndsAtOnceAndCapHolds) {
  std::atomic<int> on{1};
  FolderMonitor missing(1, "/nonexistent-folder-xyz", false, on, [](int) {});
  EXPECT_FALSE(missing.Start());
  BrowserTestTree disk;
  for (int i = 0; i < 10; ++i) disk.Folder("d" + std::to_string(i));
  FolderMonitor capped(
      2, disk.Root(), false, on, [](int) {}, 4);
  ASSERT_TRUE(capped.Start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return capped.WalksDone() == 1; }, kNoticeWaitMs));
  EXPECT_EQ(capped.WatchCount(), 4);
}

}  // namespace
}  // namespace tw
