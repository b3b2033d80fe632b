#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"
#include "app/BrowserPane.h"
#include "app/ControlIds.h"
#include "app/CountListActions.h"
#include "app/CountListModel.h"
#include "app/CountListView.h"
#include "app/DroppedFiles.h"
#include "app/FileListActions.h"
#include "browser/FileList.h"

namespace tw {
namespace {

using test::WindowFixture;

constexpr const char* kExitQuestion = "Are you sure to exit?";

class WindowKeysTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Open();
    W().SetUrlOpener([this](const QUrl& url) {
      opened.push_back(url.toLocalFile().toStdString());
      return true;
    });
  }
  // Shortcuts reach only the active window.
  void ShowActive() {
    W().show();
    W().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W()));
  }
  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (const CountRow& row : window->Model().Rows()) paths.push_back(row.path);
    return paths;
  }
  void AddThree() {
    a = Write("a.txt", "one");
    b = Write("b.txt", "two words");
    c = Write("c.txt", "three words here");
    ListInFileList({a, b, c});
    W().OnAddAll();
  }
  static std::vector<std::string> Texts(QMenu* menu) {
    std::vector<std::string> texts;
    for (QAction* action : menu->actions()) texts.push_back(action->text().toStdString());
    return texts;
  }

  std::string a, b, c;
  std::vector<std::string> opened;
};

TEST_F(WindowKeysTest, DeleteRemovesTheSelectedRowsUnlessACountHoldsThem) {
  ShowActive();
  AddThree();
  SelectCountRows({0, 2});
  W().CountList()->setFocus();
  QTest::keyClick(W().CountList(), Qt::Key_Delete);
  EXPECT_EQ(Paths(), std::vector<std::string>{b});
  EXPECT_EQ(Header(0), "List files to count statistics: 1");

  // In the rate edit Delete deletes a character, not a row.
  SelectCountRows({0});
  Edit(kIdRateEdit)->setText("125");
  Edit(kIdRateEdit)->setFocus();
  Edit(kIdRateEdit)->setCursorPosition(0);
  QTest::keyClick(Edit(kIdRateEdit), Qt::Key_Delete);
  EXPECT_EQ(Edit(kIdRateEdit)->text(), "25");
  EXPECT_EQ(Paths().size(), 1u);

  gate.Install(W().Runner());
  W().OnCountStatistic();
  ASSERT_TRUE(QTest::qWaitFor([this] { return gate.Started() == 1; }));
  W().CountList()->setFocus();
  QTest::keyClick(W().CountList(), Qt::Key_Delete);
  EXPECT_EQ(Paths().size(), 1u);
  QSignalSpy finished(&W(), &MainWindow::countRunFinished);
  gate.Allow(10);
  ASSERT_TRUE(finished.wait(10000));
}

TEST_F(WindowKeysTest, EnterAndSpaceInTheFileListAddTheSelectedFiles) {
  ShowActive();
  a = Write("a.txt", "x");
  b = Write("b.txt", "y");
  ListInFileList({a, b});
  FileList* list = W().Browser()->Files();
  list->setFocus();
  for (const auto& [key, row, expected] :
       {std::tuple{Qt::Key_Return, 0, std::vector<std::string>{a}},
        std::tuple{Qt::Key_Space, 1, std::vector<std::string>{a, b}}}) {
    SelectInFileList({row});
    QTest::keyClick(list, key);
    EXPECT_EQ(Paths(), expected) << key;
  }
}

TEST_F(WindowKeysTest, TheUsualKeysReachTheirCommands) {
  ShowActive();
  AddThree();
  QSignalSpy finished(&W(), &MainWindow::countRunFinished);
  QTest::keyClick(&W(), Qt::Key_F5);
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(Cell(2, kWordsColumn), "3");

  chooser.next = (dir.Path() / "report.html").string();
  QTest::keyClick(&W(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(chooser.asked, 1);
  EXPECT_TRUE(std::filesystem::exists(*chooser.next));

  bool aboutShown = false;
  QTimer::singleShot(0, [&aboutShown] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      aboutShown = dialog->objectName() == "aboutDialog";
      dialog->reject();
    }
  });
  QTest::keyClick(&W(), Qt::Key_F1);
  EXPECT_TRUE(aboutShown);

  // The report holds every result: Ctrl+Q leaves without a question.
  ShowActive();  // again, once the box is gone
  QTest::keyClick(&W(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(W().isVisible());
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(WindowKeysTest, TheCountListMenuOpensCopiesAndRemovesTheSelection) {
  AddThree();
  const std::unique_ptr<QMenu> empty(W().CountActions().BuildMenu(nullptr));
  for (QAction* action : empty->actions()) {
    EXPECT_FALSE(action->isEnabled() && !action->isSeparator()) << action->text().toStdString();
  }

  SelectCountRows({0, 1});
  const std::unique_ptr<QMenu> menu(W().CountActions().BuildMenu(nullptr));
  EXPECT_EQ(Texts(menu.get()), (std::vector<std::string>{"Open", "Open containing folder",
                                                         "Copy path", "", "Remove"}));
  menu->actions()[0]->trigger();
  EXPECT_EQ(opened, (std::vector<std::string>{a, b}));
  opened.clear();
  menu->actions()[1]->trigger();
  // Two files of one folder open it once.
  EXPECT_EQ(opened, std::vector<std::string>{dir.Path().string()});
  menu->actions()[2]->trigger();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), a + "\n" + b);
  menu->actions()[4]->trigger();
  EXPECT_EQ(Paths(), std::vector<std::string>{c});
}

TEST_F(WindowKeysTest, TheFileListMenuAddsAndOpens) {
  a = Write("a.txt", "x");
  ListInFileList({a});
  SelectInFileList({0});
  const std::unique_ptr<QMenu> menu(W().FileActions().BuildMenu(nullptr));
  EXPECT_EQ(Texts(menu.get()), (std::vector<std::string>{"Add to count list", "Open"}));
  menu->actions()[1]->trigger();
  EXPECT_EQ(opened, std::vector<std::string>{a});
  menu->actions()[0]->trigger();
  EXPECT_EQ(Paths(), std::vector<std::string>{a});
}

// Where a control sits in the window, whichever frame holds it.
QRect InWindow(const QWidget* control) {
  return QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size());
}

// Tab goes as the window reads: down the rows, along each row from left to right, and from the
// foot of a column to the top of the next one on its right.
TEST_F(WindowKeysTest, TabFollowsTheLayoutFromTopToBottom) {
  W().show();
  std::vector<QWidget*> chain;
  QWidget* first = W().Control(kIdHomeButton);
  for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
    if (w->property(kControlIdProperty).isValid() && w->isEnabled() &&
        (w->focusPolicy() & Qt::TabFocus)) {
      chain.push_back(w);
    }
  }
  chain.insert(chain.begin(), first);
  ASSERT_GE(chain.size(), 18u);
  constexpr int kSameRow = 8;
  for (size_t i = 1; i < chain.size(); ++i) {
    const QRect before = InWindow(chain[i - 1]);
    const QRect next = InWindow(chain[i]);
    const bool lowerRow = next.top() > before.top() + kSameRow;
    const bool sameRowRight =
        std::abs(next.top() - before.top()) <= kSameRow && next.left() > before.left();
    const bool nextColumn = next.left() > before.right();
    EXPECT_TRUE(lowerRow || sameRowRight || nextColumn)
        << chain[i - 1]->objectName().toStdString() << " -> "
        << chain[i]->objectName().toStdString();
  }
}

class DropTest : public WindowKeysTest {
 protected:
  // Drops the paths on the count list as a file manager does, and waits for folders' walks.
  bool Drop(const std::vector<std::string>& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    mime.setUrls(urls);
    QWidget* target = W().CountList()->viewport();
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QSignalSpy finished(&W().Drops(), &DroppedFiles::finished);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    return finished.count() > 0 || finished.wait(10000);
  }
};

TEST_F(DropTest, DroppedFilesAndFoldersAreAdded) {
  W().Browser()->Files()->TypeFlags().CountTxt = 1;
  W().Browser()->Files()->TypeFlags().CountHtm = 0;
  const std::string single = Write("single.pdf", "%PDF");
  Write("image.png", "png");
  const std::string folder = (dir.Path() / "job").string();
  const std::string deep = Write("job/sub/deep.txt", "d");
  const std::string note = Write("job/note.txt", "n");
  Write("job/page.htm", "<p>h</p>");  // its box is not ticked
  ASSERT_TRUE(Drop({single, (dir.Path() / "image.png").string(), folder}));
  std::vector<std::string> paths = Paths();
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_EQ(paths[0], single);
  std::sort(paths.begin() + 1, paths.end());
  EXPECT_EQ(paths[1], note);
  EXPECT_EQ(paths[2], deep);
  EXPECT_EQ(Header(0), "List files to count statistics: 3");

  // A second drop of the same file adds nothing.
  ASSERT_TRUE(Drop({single}));
  EXPECT_EQ(Paths().size(), 3u);
}

// The exit question stands between the user and a loss only: a run, or counts not in a report.
TEST_F(WindowKeysTest, TheExitQuestionComesOnlyWhenSomethingWouldBeLost) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    bool asks;
  };
  const Case cases[] = {
      {"empty list", [] {}, false},
      {"rows not counted", [this] { AddThree(); }, false},
      {"counted",
       [this] {
         AddThree();
         CountAndWait();
       },
       true},
      {"counted and saved",
       [this] {
         AddThree();
         CountAndWait();
         chooser.next = (dir.Path() / "r.html").string();
         W().OnSaveReport();
       },
       false},
      {"counted, then the list emptied",
       [this] {
         AddThree();
         CountAndWait();
         W().OnRemoveAll();
       },
       false},
      {"counted again after saving",
       [this] {
         AddThree();
         CountAndWait();
         chooser.next = (dir.Path() / "r.html").string();
         W().OnSaveReport();
         CountAndWait();
       },
       true},
  };
  for (const Case& c : cases) {
    window.reset();
    messages = {};
    Open();
    W().show();
    c.prepare();
    const size_t before = messages.Texts().size();
    messages.ScriptAnswer(MessageAnswer::Cancel);
    W().close();
    const bool asked = messages.Texts().size() > before;
    EXPECT_EQ(asked, c.asks) << c.name;
    EXPECT_EQ(W().isVisible(), c.asks) << c.name;
    if (asked) {
      EXPECT_EQ(messages.Texts().back(), kExitQuestion) << c.name;
    }
  }
}

}  // namespace
}  // namespace tw
