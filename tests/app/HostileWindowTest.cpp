// Inputs built to hang, exhaust or confuse a counter, put in the window's count list ahead of
// ordinary files: the run ends; each one fails in its own row, with its reason, a warning mark,
// no figures and nothing in the totals (or counts, where the command line counts it too); the
// ordinary files after them count; and the summary at the end names every failure.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "WindowFixture.h"
#include "app/BrowserPane.h"
#include "app/CountListModel.h"
#include "browser/FileList.h"
#include "support/HostileFiles.h"
#include "support/LoopingDoc.h"
#include "support/PermissionChecksEnforced.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using test::DocLoop;

class HostileWindowTest : public test::WindowFixture {
 public:
  using WindowFixture::Write;
  std::string In(const std::string& name) const { return (dir.Path() / name).string(); }
  std::string Link(const std::string& name, const std::string& target) const {
    fs::create_symlink(target, In(name));
    return In(name);
  }
  std::string Looping(const std::string& name, DocLoop loop) {
    return Write(name, test::LoopingDoc(loop));
  }

  std::optional<test::BoundSocket> socket;
  std::vector<std::string> vanishing;  // removed once listed, before the count
};

struct HostileRow {
  const char* what;
  std::function<std::string(HostileWindowTest&)> make;  // returns the path to list
  const char* reason;   // a part of the row's failure; nullptr when the file counts
  double words = 0;     // when it counts; kUnexpanded: a few words, nothing expanded
  bool locked = false;  // needs permissions that bind this user
};

constexpr double kUnexpanded = -1;
constexpr uint64_t kGiB = uint64_t{1} << 30;

const HostileRow kRows[] = {
    {"FIFO",
     [](auto& t) {
       test::MakeFifo(t.In("pipe.txt"));
       return t.In("pipe.txt");
     },
     "not a regular file"},
    {"socket",
     [](auto& t) {
       t.socket.emplace(t.In("socket.txt"));
       return t.In("socket.txt");
     },
     "not a regular file"},
    {"endless device", [](auto& t) { return t.Link("zero.txt", "/dev/zero"); },
     "not a regular file"},
    {"file gone before the count",
     [](auto& t) {
       t.vanishing.push_back(t.Write("gone.txt", "here for now"));
       return t.vanishing.back();
     },
     "No such file or directory"},
    {"file without read permission",
     [](auto& t) {
       const std::string path = t.Write("locked.txt", "secret words");
       ::chmod(path.c_str(), 0);
       return path;
     },
     "Permission denied", 0, true},
    {"symbolic link to itself", [](auto& t) { return t.Link("self.txt", "self.txt"); },
     "Too many levels of symbolic links"},
    {"invalid UTF-8 name", [](auto& t) { return t.Write("bad-\xFF\xFE-name.txt", "one two"); },
     nullptr, 2},
    {"newlines in the name", [](auto& t) { return t.Write("new\nline\r\n.txt", "three"); }, nullptr,
     1},
    {"10 GB sparse XML",
     [](auto& t) {
       test::MakeSparseFile(t.In("huge.xml"), 10 * kGiB);
       return t.In("huge.xml");
     },
     "too large"},
    {"zip bomb",
     [](auto& t) {
       test::MakeZipBombDocx(t.In("bomb.docx"), kGiB, true);
       return t.In("bomb.docx");
     },
     "inflates beyond the allowed size"},
    {"billion laughs",
     [](auto& t) { return t.Write("laughs.xml", test::BillionLaughsXml("lolz")); }, nullptr,
     kUnexpanded},
    {"XML nested 100 000 deep",
     [](auto& t) { return t.Write("deep.xml", test::NestedXml(100000, "a")); },
     "nested too deeply"},
    {"Word nested 100 000 deep",
     [](auto& t) {
       test::MakeDocxWithBody(
           t.In("deep.docx"),
           "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/"
           "main\"><w:body>" +
               test::NestedXml(100000, "w:sdtContent") + "</w:body></w:document>");
       return t.In("deep.docx");
     },
     "nested too deeply"},
    {"Word sector chain to itself",
     [](auto& t) { return t.Looping("chain.doc", DocLoop::SectorChainToItself); },
     "cannot be read (damaged file)"},
    {"Word root its own child",
     [](auto& t) { return t.Looping("root.doc", DocLoop::RootIsItsOwnChild); },
     "not a Word document"},
    {"Word pieces sharing their text",
     [](auto& t) { return t.Looping("pieces.doc", DocLoop::PiecesShareTheirText); },
     "reads the same text more than once"},
};

const CountRow* RowOf(const CountListModel& model, const std::string& path) {
  for (const CountRow& row : model.Rows()) {
    if (row.path == path) return &row;
  }
  return nullptr;
}

TEST_F(HostileWindowTest, EachFailsInItsOwnRowAndTheFilesAfterThemCount) {
  test::PermissionChecksEnforced enforced;  // before the window starts any thread
  Open();
  std::vector<const HostileRow*> cases;
  std::vector<std::string> paths;
  for (const HostileRow& row : kRows) {
    if (row.locked && !enforced.Active()) continue;
    cases.push_back(&row);
    paths.push_back(row.make(*this));
  }
  paths.push_back(Write("good.txt", "one two three"));
  paths.push_back(In("table.doc"));
  fs::copy_file(test::FixturePath("word/table.doc"), paths.back());
  FileTypeFlags& flags = W().Browser()->Files()->TypeFlags();
  flags.CountMore = 1;
  ListInFileList(paths);
  W().OnAddAll();
  ASSERT_EQ(W().Model().RowCount(), static_cast<int>(paths.size()));
  for (const std::string& path : vanishing) fs::remove(path);

  CountAndWait();
  const CountListModel& model = W().Model();
  ASSERT_EQ(messages.Texts().size(), 1u);
  const std::string summary = messages.Texts()[0];
  double words = 0;
  size_t failures = 0;
  for (size_t i = 0; i < cases.size(); ++i) {
    const HostileRow& c = *cases[i];
    SCOPED_TRACE(c.what);
    const CountRow* row = RowOf(model, paths[i]);
    ASSERT_NE(row, nullptr);
    const int index = static_cast<int>(row - model.Rows().data());
    if (c.reason == nullptr) {
      EXPECT_EQ(row->failure, "");
      ASSERT_TRUE(row->counts.has_value());
      if (c.words == kUnexpanded) {
        EXPECT_LT(row->counts->words, 10);
      } else {
        EXPECT_EQ(row->counts->words, c.words);
      }
      words += row->counts->words;
      continue;
    }
    ++failures;
    EXPECT_NE(row->failure.find(c.reason), std::string::npos) << row->failure;
    EXPECT_FALSE(row->counts.has_value());
    EXPECT_EQ(Cell(index, kWordsColumn), "");
    EXPECT_EQ(Cell(index, kAmountColumn), "");
    EXPECT_FALSE(model.data(model.index(index, kFileColumn), Qt::DecorationRole).isNull());
    EXPECT_EQ(model.data(model.index(index, kFileColumn), Qt::ToolTipRole).toString().toStdString(),
              row->failure);
    EXPECT_NE(summary.find(row->failure), std::string::npos) << summary;
  }
  const CountRow* good = RowOf(model, paths[paths.size() - 2]);
  const CountRow* doc = RowOf(model, paths.back());
  ASSERT_TRUE(good != nullptr && doc != nullptr);
  ASSERT_TRUE(good->counts && doc->counts) << good->failure << doc->failure;
  EXPECT_EQ(good->counts->words, 3);
  EXPECT_EQ(doc->counts->words, 11);  // the table fixture, counted by hand
  EXPECT_EQ(model.Totals().words, words + 3 + 11);
  EXPECT_TRUE(summary.starts_with(std::to_string(failures) + " of " + std::to_string(paths.size()) +
                                  " files could not be counted"))
      << summary;
}

}  // namespace
}  // namespace tw
