#include <gtest/gtest.h>

#include <sstream>

#include "cli/CommandLine.h"
#include "cli/CountCommand.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

using test::ReadFileBytes;
using test::TempDir;

std::string AsciiUtf16Le(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) {
    bytes.push_back(c);
    bytes.push_back('\0');
  }
  return bytes;
}

struct Outcome {
  int status = -1;
  std::string out;
  std::string errors;
};

class CountCommand : public ::testing::Test {
 protected:
  Outcome Run(const std::vector<std::string>& arguments) {
    const ParseResult parsed = ParseCommandLine(arguments);
    EXPECT_TRUE(parsed.commandLine) << parsed.error;
    if (!parsed.commandLine) return {};
    std::ostringstream out;
    std::ostringstream errors;
    const int status = RunCountCommand(*parsed.commandLine, out, errors);
    return {status, out.str(), errors.str()};
  }
  std::string File(const std::string& name) const { return (dir.Path() / name).string(); }

  TempDir dir;
};

// "Hello, world!" is 2 words, 12 characters and 1 space; "one two three" 3 words, 11 characters
// and 2 spaces.
TEST_F(CountCommand, ReportHoldsTheCountedRowsAndTotals) {
  dir.Write("jobs/a.txt", "Hello, world!\r\n");
  dir.Write("jobs/b.txt", "one two three");
  const std::string report = File("report.html");
  const Outcome outcome = Run({"-r", "--pricing", "Words", "--rate", "0.5", "--currency", "EUR",
                               "--report", report, File("jobs")});
  EXPECT_EQ(outcome.status, 0) << outcome.errors;

  const std::string br = "\n\r";
  const std::string plain = "<td align=\"center\">";
  const std::string marked =
      "<td align=\"center\" style=\"background-color:#AAAAFF; font-weight:bold;\">";
  const std::string amount =
      "<td align=\"center\"style=\"background-color:#AAAAFF; font-weight:bold;\">";
  auto row = [&](const std::string& path, const char* words, const char* withSpaces,
                 const char* chars, const char* cell) {
    return "<tr><td>" + path + "</td>" + br + marked + words + "</td>" + br + plain + withSpaces +
           "</td>" + br + plain + chars + "</td>" + br + plain + "EUR</td>" + br + plain +
           "0.5</td>" + br + amount + cell + "</td></tr>" + br;
  };
  const std::string expected =
      "<html>" + br + "<body>" + br +
      "<table width=\"1024\" border=\"1\" style=\"padding-top:10px; padding-bottom:10px\">" + br +
      "<tr align=\"center\" style=\"background-color:#BBFFBB; font-weight:bold;\"><td>File "
      "name</td>" +
      br + "<td>Words</td>" + br + "<td>Characters with spaces</td>" + br + "<td>Characters</td>" +
      br + "<td>Currency</td>" + br + "<td>Rate</td>" + br + "<td>Amount</td></tr>" + br +
      row(File("jobs/a.txt"), "2", "13", "12", "   1.00") +
      row(File("jobs/b.txt"), "3", "13", "11", "   1.50") +
      "<tr align=\"center\" style=\"background-color:#EEEEEE; font-weight:bold;\"><td>Total</td>" +
      br + "<td>5</td>" + br + "<td>26</td>" + br + "<td>23</td>" + br + "<td></td><td></td>" + br +
      "<td>2.50</td></tr>" + br + "</table>" + br + "</body>" + br + "</html>";
  EXPECT_EQ(ReadFileBytes(report), "\xFF\xFE" + AsciiUtf16Le(expected));
}

TEST_F(CountCommand, UnwritableReportFailsTheCommand) {
  const std::string text = dir.Write("a.txt", "word");
  const std::string report = text + "/report.html";  // the parent is a file
  const Outcome outcome = Run({"--report", report, text});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.errors.find("tallywright-count: Couldn't save report: " + report),
            std::string::npos)
      << outcome.errors;
}

TEST_F(CountCommand, OutputFormats) {
  const std::string a = dir.Write("a.txt", "Hello, world!\r\n");
  const std::string weird = dir.Write("x,\"y\".txt", "Hello, world!\r\n");
  const struct {
    const char* format;
    std::string path;
    std::string expected;
  } cases[] = {
      {"tsv", a,
       "path\twords\tchars_with_spaces\tchars\tcurrency\trate\tamount\n" + a +
           "\t2\t13\t12\tUSD\t0.01\t0.02\nTOTAL\t2\t13\t12\t\t\t0.02\n"},
      {"csv", weird,
       "path,words,chars_with_spaces,chars,currency,rate,amount\r\n\"" + File("x,\"\"y\"\".txt") +
           "\",2,13,12,USD,0.01,0.02\r\nTOTAL,2,13,12,,,0.02\r\n"},
      {"json", a,
       "{\"schema_version\":1,\"files\":[{\"path\":\"" + a +
           "\",\"words\":2,\"chars_with_spaces\":13,\"chars\":12,\"currency\":\"USD\","
           "\"rate\":\"0.01\",\"amount\":0.02,\"error\":null}],\"totals\":{\"words\":2,"
           "\"chars_with_spaces\":13,\"chars\":12,\"amount\":0.02},\"include\":[]}\n"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Run({"--format", c.format, c.path});
    EXPECT_EQ(outcome.status, 0) << c.format;
    EXPECT_EQ(outcome.out, c.expected) << c.format;
  }
}

TEST_F(CountCommand, FilesNotCountedGiveStatusOne) {
  const std::string counted = dir.Write("a.txt", "word");
  const struct {
    const char* name;
    std::vector<std::string> arguments;
    const char* error;
  } cases[] = {
      {"missing path", {counted, File("missing.txt")}, "missing.txt"},
      {"not a countable type", {counted, dir.Write("notes.xyz", "word")}, "notes.xyz"},
      {"folder without -r", {File("")}, "is a folder"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Run(c.arguments);
    EXPECT_EQ(outcome.status, 1) << c.name;
    EXPECT_NE(outcome.errors.find(c.error), std::string::npos) << c.name << ": " << outcome.errors;
  }
}

// A folder walk keeps the files whose extension, after the last dot and in any case, names a
// type that is counted.
TEST_F(CountCommand, FolderWalkCollectsByExtension) {
  dir.Write("jobs/NOTES.TXT", "one two");
  dir.Write("jobs/README.adoc", "= Title");
  dir.Write("jobs/mytxt", "words");
  dir.Write("jobs/sheet.xlsb", "cells");
  dir.Write("jobs/sub/page.HTML", "<p>three words here</p>");
  const Outcome outcome = Run({"-r", "--format", "tsv", File("jobs")});
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
  EXPECT_EQ(outcome.out, "path\twords\tchars_with_spaces\tchars\tcurrency\trate\tamount\n" +
                             File("jobs/NOTES.TXT") + "\t2\t7\t6\tUSD\t0.01\t0.02\n" +
                             File("jobs/sub/page.HTML") +
                             "\t3\t16\t14\tUSD\t0.01\t0.03\nTOTAL\t5\t23\t20\t\t\t0.05\n");
}

// Failures go to stderr as the program, the file's path and the reason, one line each, as the
// files are counted (text files come before PDF files).
TEST_F(CountCommand, EachFailureNamesItsFile) {
  const std::string missingText = File("gone.txt");
  const std::string missingPdf = File("gone.pdf");
  const Outcome outcome = Run({missingPdf, missingText, dir.Write("sheet.xlsb", "cells")});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.errors, "tallywright-count: " + missingText +
                                ": No such file or directory\n"
                                "tallywright-count: " +
                                missingPdf +
                                ": No such file or directory\n"
                                "tallywright-count: " +
                                File("sheet.xlsb") + ": not a countable file type\n");
}

TEST(CommandLineUsage, RejectsBadArguments) {
  const struct {
    std::vector<std::string> arguments;
    const char* error;
  } cases[] = {
      {{}, "no file or folder given (see --help)"},
      {{"--rate", "1.2.3", "a.txt"}, "--rate must be a non-negative decimal number"},
      {{"--rate", "-1", "a.txt"}, "--rate must be a non-negative decimal number"},
      {{"--pricing", "words", "a.txt"},
       "--pricing must be Words, Chars, \"Chars & spaces\", Lines, Pages or \"Weighted words\""},
      {{"--format", "xml", "a.txt"}, "--format must be table, tsv, csv or json"},
      {{"--report"}, "--report needs a value"},
      {{"--report=", "a.txt"}, "--report needs a file name"},
      {{"--bogus", "a.txt"}, "unknown option --bogus"},
      {{"--include", "notes,slides", "a.pptx"},
       "--include: unknown content \"slides\" (choose from notes, comments, charts, diagrams, "
       "hidden)"},
      {{"--include=notes,", "a.pptx"},
       "--include has an empty name (choose from notes, comments, charts, diagrams, hidden)"},
  };
  for (const auto& c : cases) {
    const ParseResult parsed = ParseCommandLine(c.arguments);
    EXPECT_FALSE(parsed.commandLine) << c.error;
    EXPECT_EQ(parsed.error, c.error);
  }
}

// The deck's notes hold most of its words (tests/fixtures/powerpoint/README.md): the JSON and the
// report say which content was counted besides the default.
TEST_F(CountCommand, IncludeCountsNotesAndSaysSo) {
  const std::string deck = test::FixturePath("powerpoint/talk.pptx");
  const std::string report = File("report.html");
  const Outcome notes =
      Run({"--include", "hidden,notes", "--format", "json", "--report", report, deck});
  EXPECT_EQ(notes.status, 0) << notes.errors;
  EXPECT_NE(notes.out.find("\"words\":34,"), std::string::npos) << notes.out;
  EXPECT_NE(notes.out.find("\"include\":[\"notes\",\"hidden\"]}"), std::string::npos) << notes.out;
  EXPECT_NE(ReadFileBytes(report).find(
                AsciiUtf16Le("<body>\n\r<p>Also counted: notes, hidden</p>\n\r<table")),
            std::string::npos);
}

TEST(CommandLineUsage, TakesReportAndOptions) {
  const ParseResult parsed =
      ParseCommandLine({"--report=out.html", "-r", "--", "-file.txt", "--pricing"});
  ASSERT_TRUE(parsed.commandLine) << parsed.error;
  EXPECT_EQ(parsed.commandLine->reportPath, "out.html");
  EXPECT_TRUE(parsed.commandLine->recursive);
  EXPECT_EQ(parsed.commandLine->paths, (std::vector<std::string>{"-file.txt", "--pricing"}));
  EXPECT_EQ(parsed.commandLine->pricing, "Words");
  EXPECT_EQ(parsed.commandLine->rate, "0.01");
  EXPECT_EQ(parsed.commandLine->options.include, ContentSwitches{});
  const ParseResult included = ParseCommandLine({"--include=charts,diagrams,comments", "a.pptx"});
  ASSERT_TRUE(included.commandLine) << included.error;
  EXPECT_EQ(included.commandLine->options.include,
            (ContentSwitches{.comments = true, .charts = true, .diagrams = true}));
}

}  // namespace
}  // namespace tw::cli
