#include <gtest/gtest.h>

#include "automation/ServerRegistry.h"
#include "formats/word/WordEngine.h"
#include "counting/WordCounter.h"
#include "support/RecordingCountHost.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::RecordingCountHost;

struct Expected {
  const char* file;
  bool headersAndFooters;
  bool legacyByteRules;
  int words;
  int charactersWithSpaces;
  int characters;
};

// Counts checked by hand; see tests/fixtures/word/README.md.
const Expected kDocxFixtures[] = {
    {"plain.docx", false, false, 17, 94, 80},
    {"table.docx", false, false, 11, 48, 43},
    {"textbox.docx", false, false, 8, 41, 36},
    {"group.docx", false, false, 7, 44, 40},
    {"notes.docx", false, false, 9, 49, 41},
    {"field.docx", false, false, 5, 18, 14},
    {"scripts.docx", false, false, 14, 30, 27},
    {"tracked.docx", false, false, 3, 19, 17},
    {"hidden.docx", false, false, 2, 14, 13},
    {"headers.docx", false, false, 6, 39, 35},
    {"headers.docx", true, false, 15, 88, 79},
    {"scripts.docx", false, true, 6, 29, 26},  // the counter hands "Legacy byte rules" on
};

class WordFixtureCount : public ::testing::TestWithParam<Expected> {};

TEST_P(WordFixtureCount, CounterThroughOurEngineGivesTheHandCheckedCounts) {
  const Expected& expected = GetParam();
  ServerRegistry servers;
  servers.Register("Word.Application", [] { return CreateWordEngine(); });
  RecordingCountHost host;
  host.SetControlValues({"0.01", "USD", "Words"});
  CountContext context;
  context.servers = &servers;
  host.AddFile(FixturePath(std::string("word/") + expected.file));

  WordCounter counter(host, context);
  counter.Init({host.CellText(0, 0), "0"}, {.headersAndFooters = expected.headersAndFooters,
                                            .legacyByteRules = expected.legacyByteRules});
  counter.Run();

  EXPECT_EQ(host.Recorded().Texts(), std::vector<std::string>{});
  EXPECT_EQ(host.List().Cell(0, 1), std::to_string(expected.words));
  EXPECT_EQ(host.List().Cell(0, 2), std::to_string(expected.charactersWithSpaces));
  EXPECT_EQ(host.List().Cell(0, 3), std::to_string(expected.characters));
}

INSTANTIATE_TEST_SUITE_P(Docx, WordFixtureCount, ::testing::ValuesIn(kDocxFixtures),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                           std::string name = info.param.file;
                           name = name.substr(0, name.find('.'));
                           return name + (info.param.headersAndFooters ? "WithHeaders" : "") +
                                  (info.param.legacyByteRules ? "Legacy" : "");
                         });

}  // namespace
}  // namespace tw
