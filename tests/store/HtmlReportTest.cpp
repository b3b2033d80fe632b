#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "Utf16Bytes.h"
#include "store/HtmlReport.h"
#include "support/RecordingMessageService.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::AsciiUtf16Le;
using test::ReadFileBytes;
using test::RecordingMessageService;
using test::TempDir;

// The report's line break: LF then CR.
#define BR "\n\r"

const char* const kHead =
    "<html>" BR "<body>" BR
    "<table width=\"1024\" border=\"1\" style=\"padding-top:10px; padding-bottom:10px\">" BR
    "<tr align=\"center\" style=\"background-color:#BBFFBB; font-weight:bold;\"><td>File "
    "name</td>" BR "<td>Words</td>" BR "<td>Characters with spaces</td>" BR "<td>Characters</td>" BR
    "<td>Currency</td>" BR "<td>Rate</td>" BR "<td>Amount</td></tr>" BR;
const char* const kTail = "</table>" BR "</body>" BR "</html>";

// 100 words, 520 characters and 100 spaces at 0.1 a word.
std::vector<CountRow> OneRowList(const std::string& file) {
  CountRow row;
  row.path = file;
  row.counts = FileCounts{100, 520, 100};
  row.currency = "USD";
  row.rateText = "0.1";
  row.rate = 0.1;
  row.amount = 10.0;
  return {row};
}

std::string Utf16Of(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

TEST(HtmlReportFile, SmallReportIsExactlyTheKnownBytes) {
  TempDir dir;
  const std::string path = (dir.Path() / "report.html").string();
  RecordingMessageService messages;
  const CountTotals totals{100, 620, 520, 10.0};
  ASSERT_TRUE(
      WriteHtmlReport(path, OneRowList("/jobs/a&b <1>\"q\".txt"), "Words", totals, messages));
  const std::string expected =
      std::string(kHead) +
      "<tr><td>/jobs/a&amp;b &lt;1&gt;&quot;q&quot;.txt</td>" BR
      "<td align=\"center\" style=\"background-color:#AAAAFF; font-weight:bold;\">100</td>" BR
      "<td align=\"center\">620</td>" BR "<td align=\"center\">520</td>" BR
      "<td align=\"center\">USD</td>" BR "<td align=\"center\">0.1</td>" BR
      "<td align=\"center\"style=\"background-color:#AAAAFF; font-weight:bold;\">  "
      "10.00</td></tr>" BR
      "<tr align=\"center\" style=\"background-color:#EEEEEE; font-weight:bold;\"><td>Total</td>" BR
      "<td>100</td>" BR "<td>620</td>" BR "<td>520</td>" BR "<td></td><td></td>" BR
      "<td>10.00</td></tr>" BR +
      kTail;
  EXPECT_EQ(ReadFileBytes(path), "\xFF\xFE" + AsciiUtf16Le(expected));
  EXPECT_TRUE(messages.Boxes().empty());
}

TEST(HtmlReportText, EmptyListHasHeaderAndTotalsOnly) {
  const CountTotals totals{-3, 0, 7, 1234567.891};
  const std::string expected =
      std::string(kHead) +
      "<tr align=\"center\" style=\"background-color:#EEEEEE; font-weight:bold;\"><td>Total</td>" BR
      "<td>-3</td>" BR "<td>0</td>" BR "<td>7</td>" BR "<td></td><td></td>" BR
      "<td>1234567.89</td></tr>" BR +
      kTail;
  EXPECT_EQ(Utf16Of(BuildHtmlReport({}, "", totals)), AsciiUtf16Le(expected));
}

// A report counted with content switches names them above the table; without, it is unchanged.
TEST(HtmlReportText, NamesTheContentSwitchesThatWereOn) {
  const CountTotals totals;
  const std::string plain = Utf16Of(BuildHtmlReport({}, "", totals));
  const std::string top = "<html>" BR "<body>" BR;
  const struct {
    ContentSwitches included;
    const char* line;
  } cases[] = {
      {{}, ""},
      {{.notes = true}, "<p>Also counted: notes</p>" BR},
      {{.comments = true, .hidden = true}, "<p>Also counted: comments, hidden</p>" BR},
  };
  for (const auto& c : cases) {
    std::string expected = plain;
    expected.insert(AsciiUtf16Le(top).size(), AsciiUtf16Le(c.line));
    EXPECT_EQ(Utf16Of(BuildHtmlReport({}, "", totals, c.included)), expected) << c.line;
  }
}

TEST(HtmlReportText, HighlightsTheColumnThePricingModeNamesExactly) {
  const std::string highlighted =
      "<td align=\"center\" style=\"background-color:#AAAAFF; font-weight:bold;\">";
  const struct {
    const char* mode;
    const char* highlightedCell;  // nullptr: no count column highlighted
  } cases[] = {{"Words", "100"}, {"Chars & spaces", "620"}, {"Chars", "520"}, {"words", nullptr},
               {"", nullptr},    {"Chars ", nullptr}};
  for (const auto& c : cases) {
    const std::u16string report = BuildHtmlReport(OneRowList("f"), c.mode, CountTotals{});
    std::string text(report.begin(), report.end());  // ASCII only
    size_t count = 0;
    for (size_t at = text.find(highlighted); at != std::string::npos;
         at = text.find(highlighted, at + 1)) {
      ++count;
    }
    EXPECT_EQ(count, c.highlightedCell ? 1u : 0u) << c.mode;
    if (c.highlightedCell) {
      EXPECT_NE(text.find(highlighted + c.highlightedCell + "</td>"), std::string::npos) << c.mode;
    }
    // The amount cell is highlighted whatever the mode.
    EXPECT_NE(text.find("<td align=\"center\"style=\"background-color:#AAAAFF; font-weight:bold;\">"
                        "  10.00</td></tr>"),
              std::string::npos)
        << c.mode;
  }
}

TEST(HtmlReportText, NonAsciiCellsBecomeUtf16) {
  const std::u16string report = BuildHtmlReport(OneRowList("/d/Ü€.txt"), "Words", {});
  EXPECT_NE(report.find(u"<tr><td>/d/\u00DC\u20AC.txt</td>"), std::u16string::npos);
}

TEST(HtmlReportFile, UncreatableReportIsReported) {
  TempDir dir;
  const std::string path = dir.Write("plain", "x") + "/report.html";
  RecordingMessageService messages;
  EXPECT_FALSE(WriteHtmlReport(path, {}, "Words", {}, messages));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Couldn't save report: " + path});
}

// A full disk stands in as a file-size limit: the write fails half way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(HtmlReportFile, FailedWriteKeepsTheOlderReport) {
  TempDir dir;
  const std::string path = dir.Write("report.html", "older report");
  RecordingMessageService messages;
  {
    FileSizeLimit limit(64);
    EXPECT_FALSE(WriteHtmlReport(path, OneRowList("f"), "Words", {}, messages));
  }
  EXPECT_EQ(ReadFileBytes(path), "older report");
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Couldn't save report: " + path});
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace tw
