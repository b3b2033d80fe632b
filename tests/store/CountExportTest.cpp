#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "counting/Pricing.h"
#include "store/CountExport.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using Table = std::vector<std::vector<std::string>>;

// A counted file, a failed one whose reason and name need quoting, and one never counted.
std::vector<CountRow> SampleRows() {
  std::vector<CountRow> rows(3);
  rows[0].path = "/jobs/a \"draft\", v2.docx";
  rows[0].counts = FileCounts{1234, 5678, 1200};
  rows[1].path = "/jobs/broken.pdf";
  rows[1].failure = "The file is damaged, or not a PDF";
  rows[2].path = "/jobs/ünïcode.txt";
  for (CountRow& row : rows) {
    row.currency = "EUR";
    row.rateText = "0.125";
    row.rate = 0.125;
  }
  return rows;
}

// Reads RFC 4180 text: quoted fields with doubled quotes, records ended by CR LF.
Table ParseCsv(const std::string& text) {
  Table table(1);
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      table.back().push_back(field);
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      table.back().push_back(field);
      field.clear();
      table.emplace_back();
      ++i;
    } else {
      field += c;
    }
  }
  if (table.back().empty()) table.pop_back();
  return table;
}

std::string Shell(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  return output;
}

std::string XmlText(std::string text) {
  for (const auto& [entity, plain] : std::map<std::string, std::string>{
           {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
    for (size_t at; (at = text.find(entity)) != std::string::npos;) {
      text.replace(at, entity.size(), plain);
    }
  }
  return text;
}

// The sheet's cells by reference ("B2"): a number as written in <v>, a string as its text, with
// "#" in front of numbers so a number written as text would not pass for one.
std::map<std::string, std::string> SheetCells(const std::string& xlsx) {
  std::vector<std::string> strings;
  const std::string shared = Shell("unzip -p '" + xlsx + "' xl/sharedStrings.xml");
  const std::regex sharedString("<t[^>]*>([^<]*)</t>");
  for (std::sregex_iterator it(shared.begin(), shared.end(), sharedString), end; it != end; ++it) {
    strings.push_back(XmlText((*it)[1]));
  }
  std::map<std::string, std::string> cells;
  const std::string sheet = Shell("unzip -p '" + xlsx + "' xl/worksheets/sheet1.xml");
  const std::regex cell(R"re(<c r="([A-Z]+[0-9]+)"([^>]*)><v>([^<]*)</v></c>)re");
  for (std::sregex_iterator it(sheet.begin(), sheet.end(), cell), end; it != end; ++it) {
    const bool isString = (*it)[2].str().find("t=\"s\"") != std::string::npos;
    const std::string value = (*it)[3];
    cells[(*it)[1]] = isString ? strings.at(std::stoul(value)) : "#" + value;
  }
  return cells;
}

bool HasProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

class CountExportTest : public ::testing::Test {
 protected:
  void SetUp() override { totals = RepriceRows(rows, PricingMode::Words); }
  std::vector<CountRow> rows = SampleRows();
  CountTotals totals;
  TempDir dir;
};

TEST(ExportFormat, IsChosenByTheSuffix) {
  const std::vector<std::pair<std::string, std::optional<ExportFormat>>> cases = {
      {"a.csv", ExportFormat::Csv},   {"A.CSV", ExportFormat::Csv}, {"b.xlsx", ExportFormat::Xlsx},
      {"b.XlsX", ExportFormat::Xlsx}, {"c.xls", std::nullopt},      {"csv", std::nullopt},
      {"d.csv.txt", std::nullopt},
  };
  for (const auto& [path, format] : cases) EXPECT_EQ(ExportFormatOfPath(path), format) << path;
}

// 1234 words at 0.125 are 154.25; the failed and the uncounted file add nothing.
TEST_F(CountExportTest, CsvReadsBackWithTheSameNumbers) {
  const std::string path = (dir.Path() / "job.csv").string();
  ASSERT_EQ(WriteCountExport(path, rows, totals), "");
  const Table table = ParseCsv(ReadFileBytes(path));
  ASSERT_EQ(table.size(), 5u);
  EXPECT_EQ(table[0], (std::vector<std::string>{"path", "words", "chars_with_spaces", "chars",
                                                "currency", "rate", "amount", "error"}));
  EXPECT_EQ(table[1], (std::vector<std::string>{rows[0].path, "1234", "6878", "5678", "EUR",
                                                "0.125", "154.25", ""}));
  EXPECT_EQ(table[2], (std::vector<std::string>{"/jobs/broken.pdf", "", "", "", "EUR", "0.125", "",
                                                "The file is damaged, or not a PDF"}));
  EXPECT_EQ(table[3][0], "/jobs/ünïcode.txt");
  EXPECT_EQ(table[3][1], "");
  EXPECT_EQ(table[4],
            (std::vector<std::string>{"TOTAL", "1234", "6878", "5678", "", "", "154.25", ""}));
}

// Lines, pages and repetitions, as the window shows them, go between the amount and the reason.
TEST_F(CountExportTest, UnitColumnsComeBeforeTheReason) {
  rows[0].counts->repeatedWords = 234;
  const std::string path = (dir.Path() / "units.csv").string();
  ASSERT_EQ(WriteCountExport(path, rows, totals, {true, true, true, UnitOptions{}}), "");
  const Table table = ParseCsv(ReadFileBytes(path));
  ASSERT_EQ(table.size(), 5u);
  const std::vector<std::string> header(table[0].begin() + 7, table[0].end());
  EXPECT_EQ(header, (std::vector<std::string>{"lines", "pages", "new_words", "repeated_words",
                                              "weighted_words", "error"}));
  // 6 878 characters with spaces: 125.05 lines of 55, 3.82 pages of 1 800; 1 000 new words and
  // 234 repeated at 30 % weigh 1 070.2.
  const std::vector<std::string> counted = {"125.05", "3.82", "1000", "234", "1070.20", ""};
  EXPECT_EQ(std::vector<std::string>(table[1].begin() + 7, table[1].end()), counted);
  EXPECT_EQ(table[2][7], "");
  EXPECT_EQ(std::vector<std::string>(table[4].begin() + 7, table[4].end()), counted);
}

TEST_F(CountExportTest, XlsxHoldsNumbersAsNumbersAndATotalsRow) {
  if (!HasProgram("unzip")) GTEST_SKIP() << "unzip is not installed";
  const std::string path = (dir.Path() / "job.xlsx").string();
  ASSERT_EQ(WriteCountExport(path, rows, totals), "");
  const std::map<std::string, std::string> cells = SheetCells(path);
  const std::map<std::string, std::string> expected = {
      {"A1", "path"},
      {"B1", "words"},
      {"H1", "error"},
      {"A2", rows[0].path},
      {"B2", "#1234"},
      {"C2", "#6878"},
      {"D2", "#5678"},
      {"E2", "EUR"},
      {"F2", "#0.125"},
      {"G2", "#154.25"},
      {"A3", "/jobs/broken.pdf"},
      {"H3", rows[1].failure},
      {"A5", "TOTAL"},
      {"B5", "#1234"},
      {"G5", "#154.25"},
  };
  for (const auto& [reference, value] : expected) {
    EXPECT_EQ(cells.count(reference) ? cells.at(reference) : "(none)", value) << reference;
  }
  // The failed file has no numbers at all.
  for (const char* reference : {"B3", "C3", "D3", "G3"}) EXPECT_EQ(cells.count(reference), 0u);
}

// LibreOffice reads the spreadsheet back to the same lines as the CSV export.
TEST_F(CountExportTest, XlsxConvertedByLibreOfficeMatchesTheCsv) {
  if (!HasProgram("soffice")) GTEST_SKIP() << "LibreOffice is not installed";
  const std::string xlsx = (dir.Path() / "job.xlsx").string();
  ASSERT_EQ(WriteCountExport(xlsx, rows, totals), "");
  Shell("cd '" + dir.Path().string() + "' && soffice --headless --convert-to " +
        "'csv:Text - txt - csv (StarCalc):44,34,76' --outdir converted job.xlsx >/dev/null 2>&1");
  std::string converted = ReadFileBytes(dir.Path() / "converted" / "job.csv");
  converted = std::regex_replace(converted, std::regex("\r?\n"), "\r\n");
  const Table fromSheet = ParseCsv(converted);
  const Table fromCsv = ParseCsv(CsvExportText(BuildExportTable(rows, totals)));
  ASSERT_EQ(fromSheet.size(), fromCsv.size());
  for (size_t line = 0; line < fromCsv.size(); ++line) {
    for (size_t column : {1u, 2u, 3u, 6u}) {
      EXPECT_EQ(fromSheet[line].at(column), fromCsv[line].at(column)) << line << ":" << column;
    }
  }
}

// A folder in the way of the file, or no folder for it: the reason comes back and the folder
// keeps what it held.
TEST_F(CountExportTest, AFailedWriteSaysWhyAndChangesNothing) {
  for (const char* name : {"taken.csv", "taken.xlsx"}) {
    const std::string inside = dir.Write(std::string(name) + "/keep", "kept");
    EXPECT_NE(WriteCountExport((dir.Path() / name).string(), rows, totals), "") << name;
    EXPECT_EQ(ReadFileBytes(inside), "kept");
  }
  EXPECT_NE(WriteCountExport((dir.Path() / "none" / "x.xlsx").string(), rows, totals), "");
  EXPECT_NE(WriteCountExport((dir.Path() / "x.txt").string(), rows, totals), "");
}

}  // namespace
}  // namespace tw
