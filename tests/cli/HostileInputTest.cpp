// Inputs built to hang, exhaust or confuse a counter, each counted by the command line among
// ordinary files: every one must end in its own row (counted, or failed with a reason that says
// why), and the files after it must still be counted.
#include <gtest/gtest.h>
#include <filesystem>
#include <functional>

#include "cli/CliRun.h"
#include "cli/JsonValue.h"
#include "formats/isolation/ReaderPool.h"
#include "support/HostileFiles.h"
#include "support/LoopingDoc.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

namespace fs = std::filesystem;
using test::DocLoop;
using test::TempDir;

constexpr uint64_t kGiB = uint64_t{1} << 30;

struct HostileCase {
  const char* what;
  std::function<std::string(const TempDir&)> make;  // returns the path to count
  const char* reason;  // a part of the row's error; nullptr when the file counts
  double words = 0;    // when it counts, or kUnexpanded or kReadOnce
};

// Entities are never expanded: the text counts as written, a few words at most.
constexpr double kUnexpanded = -1;
// Any count, as long as no text was read twice: fewer words than the document's text read twice
// would give (its text has at most one word in two bytes).
constexpr double kReadOnce = -2;
constexpr double kOnceAtMost = test::kLoopingDocBytes / 2.0;

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

std::string Looping(const TempDir& dir, const std::string& name, DocLoop loop) {
  return dir.Write(name, test::LoopingDoc(loop));
}

// The table fixture's own count, worked out by hand.
constexpr double kTableDocWords = 11;

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
    // Word files whose structures lead back into themselves: the compound file's chains and
    // directory tree, then Word's own tables, which would read one text thousands of times.
    {"Word sector chain to itself",
     [](auto& d) { return Looping(d, "chain-self.doc", DocLoop::SectorChainToItself); },
     "stream WordDocument cannot be read (damaged file)"},
    {"Word sector chain back to its start",
     [](auto& d) { return Looping(d, "chain-start.doc", DocLoop::SectorChainToItsStart); }, nullptr,
     kTableDocWords},
    {"Word mini chain to itself",
     [](auto& d) { return Looping(d, "mini-self.doc", DocLoop::MiniChainToItself); },
     "its table stream is missing or cannot be read"},
    {"Word directory chain back to its start",
     [](auto& d) { return Looping(d, "directory.doc", DocLoop::DirectoryChainToItsStart); },
     nullptr, kTableDocWords},
    {"Word entry its own sibling",
     [](auto& d) { return Looping(d, "sibling.doc", DocLoop::EntryIsItsOwnSibling); }, nullptr,
     kTableDocWords},
    {"Word sibling back up the tree",
     [](auto& d) { return Looping(d, "tree.doc", DocLoop::SiblingBackUpTheTree); }, nullptr,
     kTableDocWords},
    {"Word root its own child",
     [](auto& d) { return Looping(d, "root.doc", DocLoop::RootIsItsOwnChild); },
     "The file is not a Word document"},
    {"Word FAT list to itself",
     [](auto& d) { return Looping(d, "fat-list.doc", DocLoop::FatListToItself); },
     "not a compound document file"},
    {"Word pieces sharing their text",
     [](auto& d) { return Looping(d, "pieces.doc", DocLoop::PiecesShareTheirText); },
     "its piece table reads the same text more than once"},
    {"Word headers going back",
     [](auto& d) { return Looping(d, "headers.doc", DocLoop::HeadersGoBack); }, nullptr, kReadOnce},
    {"Word text boxes going back",
     [](auto& d) { return Looping(d, "boxes.doc", DocLoop::TextBoxesGoBack); }, nullptr, kReadOnce},
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
      } else if (c.words == kReadOnce) {
        EXPECT_LT(row.Member("words")->number, 1.5 * kOnceAtMost);
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

// Word tables that would read one text thousands of times: a reader held to a quarter of its
// usual memory reads each text once at most, or refuses the file for its own reason rather than
// being stopped.
TEST(HostileInputs, LoopingWordTablesReadEachTextOnceWithinTightLimits) {
  TempDir dir;
  ReaderPool pool(1, {.idleTimeoutMs = 10000, .cpuSeconds = 10, .addressSpaceBytes = 512ul << 20});
  const ReadResult pieces = pool.Read(
      DocumentFormat::Word, Looping(dir, "pieces.doc", DocLoop::PiecesShareTheirText), nullptr);
  ASSERT_FALSE(pieces.Ok());
  EXPECT_NE(pieces.Error().Reason().find("reads the same text more than once"), std::string::npos)
      << pieces.Error().Reason();
  for (DocLoop loop : {DocLoop::HeadersGoBack, DocLoop::TextBoxesGoBack}) {
    const ReadResult result =
        pool.Read(DocumentFormat::Word, Looping(dir, "loop.doc", loop), nullptr);
    ASSERT_TRUE(result.Ok()) << result.Error().Reason();
    size_t units = 0;
    for (const TextPiece& piece : result.Doc().pieces) units += piece.text.size();
    // Read once (one 8-bit character a byte, the two-byte words "A " being most of it), not left
    // out.
    EXPECT_LE(units, test::kLoopingDocBytes + 1);
    EXPECT_GT(units, test::kLoopingDocBytes / 2);
  }
}

}  // namespace
}  // namespace tw::cli
