// Inputs built to hang, exhaust or confuse a counter, each counted by the command line among
// ordinary files: every one must end in its own row (counted, or failed with a reason that says
// why), and the files after it must still be counted.
#include <gtest/gtest.h>
#include <filesystem>
#include <functional>

#include "cli/CliRun.h"
#include "cli/HostileFiles.h"
#include "cli/JsonValue.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr uint64_t kGiB = uint64_t{1} << 30;

struct HostileCase {
  const char* what;
  std::function<std::string(const TempDir&)> make;  // returns the path to count
  const char* reason;  // a part of the row's error; nullptr when the file counts
  double words = 0;    // when it counts; kUnexpanded: any count, as long as nothing was expanded
};

// Entities are never expanded: the text counts as written, a few words at most.
constexpr double kUnexpanded = -1;

std::string In(const TempDir& dir, const std::string& name) {
  return (dir.Path() / name).string();
}

std::string Fifo(const TempDir& dir, const std::string& name) {
  test::MakeFifo(In(dir, name));
  return In(dir, name);
}

std::string LinkTo(const TempDir& dir, const std::string& name, const std::string& target) {
  fs::create_symlink(target, In(dir, name));
  return In(dir, name);
}

std::string Sparse(const TempDir& dir, const std::string& name) {
  test::MakeSparseFile(In(dir, name), 10 * kGiB);
  return In(dir, name);
}

const HostileCase kCases[] = {
    {"PDF of 100 000 empty pages",
     [](auto& d) { return d.Write("empty-pages.pdf", test::EmptyPagesPdf(100000)); }, nullptr, 0},
    // Special files named like documents: none may block the run waiting for a writer.
    {"FIFO as text", [](auto& d) { return Fifo(d, "pipe.txt"); }, "not a regular file"},
    {"FIFO as Word", [](auto& d) { return Fifo(d, "pipe.docx"); }, "not a regular file"},
    {"FIFO as RTF", [](auto& d) { return Fifo(d, "pipe.rtf"); }, "not a regular file"},
    {"FIFO as PDF", [](auto& d) { return Fifo(d, "pipe.pdf"); }, "not a regular file"},
    {"FIFO as slides", [](auto& d) { return Fifo(d, "pipe.pptx"); }, "not a regular file"},
    {"FIFO as sheet", [](auto& d) { return Fifo(d, "pipe.xlsx"); }, "not a regular file"},
    {"FIFO as ODF", [](auto& d) { return Fifo(d, "pipe.odt"); }, "not a regular file"},
    {"FIFO as XML", [](auto& d) { return Fifo(d, "pipe.xml"); }, "not a regular file"},
    {"endless device", [](auto& d) { return LinkTo(d, "zero.txt", "/dev/zero"); },
     "not a regular file"},
    {"empty device", [](auto& d) { return LinkTo(d, "null.doc", "/dev/null"); },
     "not a regular file"},
    {"device as sheet", [](auto& d) { return LinkTo(d, "zero.xlsx", "/dev/zero"); },
     "not a regular file"},
    {"symbolic link to itself", [](auto& d) { return LinkTo(d, "self.txt", "self.txt"); },
     "Too many levels of symbolic links"},
    // Names no terminal shows plainly still count.
    {"invalid UTF-8 name", [](auto& d) { return d.Write("bad-\xFF\xFE-name.txt", "one two"); },
     nullptr, 2},
    {"newlines in the name", [](auto& d) { return d.Write("new\nline\r\n.txt", "three"); }, nullptr,
     1},
    // Sizes that would exhaust memory if believed.
    {"10 GB sparse RTF", [](auto& d) { return Sparse(d, "huge.rtf"); }, "not a Word document"},
    {"10 GB sparse XML", [](auto& d) { return Sparse(d, "huge.xml"); }, "too large"},
    {"10 GB sparse JSON", [](auto& d) { return Sparse(d, "huge.json"); }, "too large"},
    {"10 GB sparse Word", [](auto& d) { return Sparse(d, "huge.docx"); }, "not a Word document"},
    {"zip bomb, honest sizes",
     [](auto& d) {
       test::MakeZipBombDocx(In(d, "bomb.docx"), kGiB, false);
       return In(d, "bomb.docx");
     },
     "inflates beyond the allowed size"},
    {"zip bomb, lying sizes",
     [](auto& d) {
       test::MakeZipBombDocx(In(d, "liar.docx"), kGiB, true);
       return In(d, "liar.docx");
     },
     "inflates beyond the allowed size"},
    // Documents built to exhaust the stack or expand without end.
    {"billion laughs, XML",
     [](auto& d) { return d.Write("laughs.xml", test::BillionLaughsXml("lolz")); }, nullptr,
     kUnexpanded},
    {"billion laughs, XLIFF",
     [](auto& d) { return d.Write("laughs.xlf", test::BillionLaughsXml("xliff")); }, nullptr,
     kUnexpanded},
    {"billion laughs, Word",
     [](auto& d) {
       test::MakeDocxWithBody(In(d, "laughs.docx"), test::BillionLaughsXml("w:document"));
       return In(d, "laughs.docx");
     },
     nullptr, kUnexpanded},
    {"XML nested 100 000 deep",
     [](auto& d) { return d.Write("deep.xml", test::NestedXml(100000, "a")); },
     "nested too deeply"},
    {"Word nested 100 000 deep",
     [](auto& d) {
       test::MakeDocxWithBody(
           In(d, "deep.docx"),
           "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/"
           "main\"><w:body>" +
               test::NestedXml(100000, "w:sdtContent") + "</w:body></w:document>");
       return In(d, "deep.docx");
     },
     "nested too deeply"},
    {"HTML nested 100 000 deep",
     [](auto& d) { return d.Write("deep.html", test::NestedXml(100000, "div")); }, nullptr, 1},
    {"JSON nested 100 000 deep",
     [](auto& d) {
       return d.Write("deep.json", std::string(100000, '[') + std::string(100000, ']'));
     },
     "The JSON file cannot be read (its content is nested too deeply)"},
    {"Markdown nested 100 000 deep",
     [](auto& d) { return d.Write("deep.md", std::string(100000, '>') + " deep\n"); }, nullptr, 1},
};

// One run over every case, an ordinary file after each: a case that hung would hang the test,
// one that crashed would take the test program with it.
TEST(HostileInputs, EachEndsInItsOwnRowAndTheBatchGoesOn) {
  TempDir dir;
  std::vector<std::string> arguments{"--format", "json"};
  std::vector<std::string> paths;
  for (size_t i = 0; i < std::size(kCases); ++i) {
    paths.push_back(kCases[i].make(dir));
    arguments.push_back(paths.back());
    arguments.push_back(dir.Write("after-" + std::to_string(i) + ".txt", "still counted"));
  }
  const CliOutcome outcome = RunCommandLine(arguments);
  EXPECT_EQ(outcome.status, 1);
  const JsonParse parsed = ParseJson(outcome.out);
  ASSERT_TRUE(parsed.value) << parsed.error;

  for (size_t i = 0; i < std::size(kCases); ++i) {
    const HostileCase& c = kCases[i];
    SCOPED_TRACE(c.what);
    // Names are reported as UTF-8, so the invalid one is looked up by its row number instead.
    const JsonValue& row = parsed.value->Member("files")->items.at(2 * i);
    const JsonValue& after = parsed.value->Member("files")->items.at(2 * i + 1);
    EXPECT_EQ(after.Member("words")->number, 2);
    const JsonValue* error = row.Member("error");
    if (c.reason == nullptr) {
      EXPECT_TRUE(error->Is(JsonValue::Kind::Null)) << error->text;
      if (c.words == kUnexpanded) {
        EXPECT_LT(row.Member("words")->number, 10);
      } else {
        EXPECT_EQ(row.Member("words")->number, c.words);
      }
      continue;
    }
    ASSERT_TRUE(error->Is(JsonValue::Kind::String));
    EXPECT_NE(error->text.find(c.reason), std::string::npos) << error->text;
    EXPECT_NE(outcome.errors.find(": " + error->text + "\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace tw::cli
