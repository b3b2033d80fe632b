#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/ServerRegistry.h"
#include "counting/WordCounter.h"
#include "support/RecordingCountHost.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::RecordingCountHost;
using test::TempDir;

// .doc and .rtf files counted end to end: the Word counter driving our own engine.
class DocRtfCount : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetControlValues({"0.01", "USD", "Words"});
    RegisterStandardServers(servers);
    context.servers = &servers;
  }

  void Run(const std::vector<std::string>& paths, bool headersAndFooters) {
    Batch batch;
    for (const std::string& path : paths) {
      host.AddFile(path);
      batch.push_back(path);
      batch.push_back(std::to_string(host.RowCount() - 1));
    }
    WordCounter counter{host, context};
    context.counters.Register(CounterKind::Word, &counter);
    CountOptions options;
    options.headersAndFooters = headersAndFooters;
    counter.Init(batch, options);
    counter.Run();
    context.counters.Unregister(CounterKind::Word);
  }

  // Words, characters with spaces, characters of a row.
  std::string Figures(int row) {
    return host.CellText(row, 1) + " " + host.CellText(row, 2) + " " + host.CellText(row, 3);
  }

  ServerRegistry servers;
  RecordingCountHost host;
  CountContext context;
};

std::string Fixture(const std::string& name) {
  return FixturePath("word/readers/" + name);
}

TEST_F(DocRtfCount, HandCountedFiguresOfBothFormats) {
  struct Expected {
    const char* base;
    const char* figures;  // words, characters with spaces, characters
  };
  // Main text, notes and shapes (see the fixtures' README); the .rtf export of the group
  // lost its members' text.
  const std::vector<Expected> expected = {
      {"basic.doc", "29 117 101"},         {"basic.rtf", "29 117 101"},
      {"notes.doc", "15 85 72"},           {"notes.rtf", "15 85 72"},
      {"headers.doc", "7 44 39"},          {"headers.rtf", "7 44 39"},
      {"shapes.doc", "13 87 79"},          {"shapes.rtf", "8 55 50"},
      {"changes.doc", "10 48 40"},         {"changes.rtf", "10 48 40"},
      {"specials.doc", "30 145 127"},      {"specials.rtf", "30 145 127"},
      {"handmade-shapes.rtf", "12 73 66"},
  };
  std::vector<std::string> paths;
  for (const Expected& e : expected) paths.push_back(Fixture(e.base));
  Run(paths, false);
  for (size_t row = 0; row < expected.size(); ++row) {
    EXPECT_EQ(Figures(static_cast<int>(row)), expected[row].figures) << expected[row].base;
  }
}

TEST_F(DocRtfCount, HeadersAndFootersOfEverySectionWithTheOptionOn) {
  // Main 7/44/39 plus the headers 3/15/13 and 4/22/19 and the footers 2/10/9 twice.
  Run({Fixture("headers.doc"), Fixture("headers.rtf"), Fixture("linked.doc"), Fixture("linked.rtf"),
       Fixture("handmade-shapes.rtf")},
      true);
  EXPECT_EQ(Figures(0), "18 101 89");
  EXPECT_EQ(Figures(1), "18 101 89");
  EXPECT_EQ(Figures(2), "13 70 64");  // see the README on the middle section
  EXPECT_EQ(Figures(3), "18 98 89");
  EXPECT_EQ(Figures(4), "16 96 87");
}

TEST_F(DocRtfCount, UnreadableFileIsReportedAndTheBatchGoesOn) {
  TempDir dir;
  std::string encrypted = test::ReadFileBytes(Fixture("basic.doc"));
  const size_t fib = encrypted.find("\xEC\xA5\x01\x01");
  ASSERT_NE(fib, std::string::npos);
  encrypted[fib + 0x0B] = static_cast<char>(encrypted[fib + 0x0B] | 0x01);  // fEncrypted
  const std::string locked = dir.Write("locked.doc", encrypted);
  const std::string broken = dir.Write("broken.rtf", "{\\rtf1" + std::string(5000, '{'));
  Run({locked, broken, Fixture("basic.rtf")}, false);
  const std::vector<std::string> shown = host.Recorded().Texts();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "Word - The document is password-protected: " + locked);
  EXPECT_NE(shown[1].find("damaged"), std::string::npos);
  EXPECT_EQ(host.CellText(0, 1), "");
  EXPECT_EQ(host.CellText(1, 1), "");
  EXPECT_EQ(Figures(2), "29 117 101");
}

}  // namespace
}  // namespace tw
