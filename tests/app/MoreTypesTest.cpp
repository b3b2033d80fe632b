#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <string>
#include <vector>

#include "WindowFixture.h"
#include "app/BrowserPane.h"
#include "app/ControlIds.h"
#include "browser/FileList.h"
#include "store/SettingsModel.h"

namespace tw::test {
namespace {

class MoreTypesTest : public WindowFixture {
 protected:
  QAction* Entry(const char* objectName) {
    auto* button = qobject_cast<QToolButton*>(W().Control(kIdMoreTypesButton));
    return button != nullptr ? button->menu()->findChild<QAction*>(objectName) : nullptr;
  }
  bool Listed(const std::string& path) {
    const std::vector<std::string> all = W().Browser()->Files()->AllFullPaths();
    return std::find(all.begin(), all.end(), path) != all.end();
  }
};

TEST_F(MoreTypesTest, TheLaterFormatsAreOnAtAFirstStartAndTheMenuTogglesTheirListing) {
  const std::string markdown = Write("notes.md", "# Notes");
  const std::string subtitles = Write("film.srt", "1\n00:00:01,000 --> 00:00:02,000\nHi\n");
  Open();
  for (const char* name :
       {"odtEntry", "xliffEntry", "poEntry", "subEntry", "mdEntry", "moreEntry"}) {
    ASSERT_NE(Entry(name), nullptr) << name;
    EXPECT_TRUE(Entry(name)->isChecked()) << name;
  }
  W().Browser()->SelectFolder(dir.Path().string());
  W().Browser()->RefreshFileList();
  EXPECT_TRUE(QTest::qWaitFor([&] { return Listed(markdown) && Listed(subtitles); }));

  Entry("mdEntry")->trigger();
  EXPECT_FALSE(Entry("mdEntry")->isChecked());
  EXPECT_EQ(W().Browser()->Files()->TypeFlags().CountMd, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Listed(markdown) && Listed(subtitles); }));

  StoredSettings stored;
  W().Browser()->StoreTypeChecks(stored);
  EXPECT_EQ(stored.countMd, 0);
  EXPECT_EQ(stored.countSub, 1);
}

}  // namespace
}  // namespace tw::test
