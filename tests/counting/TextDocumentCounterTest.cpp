#include <gtest/gtest.h>

#include <string>

#include "counting/CountJob.h"
#include "counting/TextDocumentCounter.h"
#include "support/TempDir.h"

namespace tw {
namespace {

// Counts a fixture as a count run would: by the batch its extension routes it to.
FileCountResult CountFixture(const std::string& file, const CountOptions& options = {}) {
  const std::string path = test::FixturePath(file);
  const std::optional<CounterKind> kind = BatchKindOfPath(path);
  if (!kind) return FileCountResult::Failed("no batch");
  CountJobInput input;
  input.files.push_back({.row = 0, .path = path, .rate = 0.0});
  input.options = options;
  struct Observer : CountJobObserver {
    FileCountResult result = FileCountResult::Failed("not counted");
    void FileStarted(int, const std::string&, int, int) override {}
    void FileCounted(int, const FileCounts& counts, double, const CountTotals&) override {
      result = FileCountResult::Counted(counts);
    }
    void FileFailed(int, const std::string& message) override {
      result = FileCountResult::Failed(message);
    }
    void Finished(bool, const CountTotals&) override {}
  } observer;
  CountJob(input).Run(observer);
  return observer.result;
}

struct Expected {
  const char* file;
  int64_t words;
  int64_t characters;
  int64_t spaces;
};

void ExpectCounts(const Expected& c, const CountOptions& options = {}) {
  const FileCountResult result = CountFixture(c.file, options);
  ASSERT_EQ(result.status, FileCountResult::Status::Counted) << c.file << ": " << result.message;
  EXPECT_EQ(result.counts.words, c.words) << c.file;
  EXPECT_EQ(result.counts.characters, c.characters) << c.file;
  EXPECT_EQ(result.counts.spaces, c.spaces) << c.file;
}

// The hand counts of the fixtures' README.
TEST(TextDocumentCounter, CountsEachNewFormatAsCheckedByHand) {
  const Expected cases[] = {
      {"formats/cells.xlsx", 20, 96, 17},     {"formats/cells.ods", 20, 96, 17},
      {"formats/inline.xlsx", 5, 23, 3},      {"formats/cells.xls", 20, 96, 17},
      {"formats/sentences.odt", 20, 96, 17},  {"formats/slides.odp", 20, 96, 17},
      {"formats/sentences.xlf", 20, 96, 17},  {"formats/sentences2.xliff", 20, 96, 17},
      {"formats/sentences.po", 18, 83, 14},   {"formats/sentences.srt", 20, 96, 15},
      {"formats/sentences.vtt", 20, 97, 18},  {"formats/sentences.md", 36, 173, 23},
      {"formats/sentences.csv", 23, 110, 17}, {"formats/sentences.tsv", 17, 75, 13},
      {"formats/sentences.json", 20, 96, 17}, {"formats/sentences.xml", 20, 96, 17},
      {"formats/sentences.epub", 20, 96, 17}, {"formats/sentences.idml", 20, 96, 17},
  };
  for (const Expected& c : cases) ExpectCounts(c);
}

TEST(TextDocumentCounter, SwitchesAddCommentsHiddenSheetsAndTheTargetLanguage) {
  CountOptions comments;
  comments.include.comments = true;
  CountOptions hidden;
  hidden.include.hidden = true;
  CountOptions target;
  target.xliffTarget = true;
  for (const char* sheet : {"formats/cells.xlsx", "formats/cells.ods"}) {
    ExpectCounts({sheet, 22, 105, 18}, comments);  // + "Check this"
    ExpectCounts({sheet, 23, 111, 19}, hidden);    // + "Secret sheet text"
  }
  ExpectCounts({"formats/cells.xls", 23, 111, 19}, hidden);
  ExpectCounts({"formats/sentences.xlf", 12, 70, 10}, target);
  ExpectCounts({"formats/sentences2.xliff", 12, 70, 10}, target);
}

TEST(TextDocumentCounter, ADamagedFileFailsWithAMessageNamingIt) {
  // The Word and PowerPoint batches keep their own messages, which the row beside them names.
  for (const char* file : {"formats/damaged/cut.odt", "formats/damaged/cut.odp"}) {
    EXPECT_EQ(CountFixture(file).status, FileCountResult::Status::Failed) << file;
  }
  for (const char* file :
       {"formats/damaged/cut.xlsx", "formats/damaged/cut.ods", "formats/damaged/cut.xlf",
        "formats/damaged/binary.po", "formats/damaged/nocues.srt", "formats/damaged/binary.md",
        "formats/damaged/binary.csv", "formats/damaged/cut.json", "formats/damaged/cut.xml",
        "formats/damaged/cut.epub", "formats/damaged/cut.idml"}) {
    const FileCountResult result = CountFixture(file);
    EXPECT_EQ(result.status, FileCountResult::Status::Failed) << file;
    EXPECT_NE(result.message.find(test::FixturePath(file)), std::string::npos) << result.message;
  }
}

}  // namespace
}  // namespace tw
