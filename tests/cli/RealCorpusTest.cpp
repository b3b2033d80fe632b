#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/CountCommand.h"
#include "support/TempDir.h"

// Documents other people wrote, counted as tallywright-count counts them and held against
// counts from an independent program (tests/fixtures/real/README.md says how they were made).
namespace tw::cli {
namespace {

namespace fs = std::filesystem;

struct Figures {
  long long words = 0;
  long long charsWithSpaces = 0;
  bool operator==(const Figures&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Figures& figures) {
  return out << figures.words << " words / " << figures.charsWithSpaces << " chars+spaces";
}

struct CorpusFile {
  std::string file;       // relative to the corpus folder
  std::string reference;  // "writer", "slides-in-writer", "pdftotext-raw", "twin:FILE" or "none"
  std::string status;     // "agree", "rule", "fault" or "unchecked"
  Figures expected;
};

fs::path CorpusDir() {
  return test::FixturePath("real");
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, '\t')) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

std::vector<CorpusFile> ReadManifest() {
  std::ifstream in(CorpusDir() / "MANIFEST.tsv");
  std::string line;
  std::vector<std::string> header;
  std::vector<CorpusFile> files;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> fields = SplitTabs(line);
    if (header.empty()) {
      header = fields;
      continue;
    }
    std::map<std::string, std::string> row;
    for (size_t i = 0; i < header.size() && i < fields.size(); ++i) row[header[i]] = fields[i];
    CorpusFile file{row["file"], row["reference"], row["status"], {}};
    if (!row["ref_words"].empty()) {
      file.expected = {std::stoll(row["ref_words"]), std::stoll(row["ref_chars_spaces"])};
    }
    files.push_back(file);
  }
  return files;
}

// Every file's figures as the command line prints them (tab-separated), keyed by the path
// relative to the corpus folder; a file it could not count has none.
std::map<std::string, std::optional<Figures>> CountWithCommandLine(
    const std::vector<CorpusFile>& files) {
  std::vector<std::string> arguments = {"--format", "tsv", "--"};
  for (const CorpusFile& file : files) arguments.push_back((CorpusDir() / file.file).string());
  const ParseResult parsed = ParseCommandLine(arguments);
  std::ostringstream out;
  std::ostringstream errors;
  if (parsed.commandLine) RunCountCommand(*parsed.commandLine, out, errors);

  std::map<std::string, std::optional<Figures>> counted;
  std::istringstream lines(out.str());
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() < 3 || fields[0] == "TOTAL") continue;
    const std::string relative = fs::path(fields[0]).lexically_relative(CorpusDir()).string();
    counted[relative] =
        fields[1].empty()
            ? std::nullopt
            : std::optional<Figures>(Figures{std::stoll(fields[1]), std::stoll(fields[2])});
  }
  return counted;
}

class RealCorpus : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    files_ = ReadManifest();
    counted_ = CountWithCommandLine(files_);
  }
  static std::vector<CorpusFile> files_;
  static std::map<std::string, std::optional<Figures>> counted_;
};

std::vector<CorpusFile> RealCorpus::files_;
std::map<std::string, std::optional<Figures>> RealCorpus::counted_;

// Every file is run through the count, whatever its status: none may crash or hang the count,
// and each gets its row, counted or refused with a reason.
TEST_F(RealCorpus, EveryFileGetsARow) {
  ASSERT_GT(files_.size(), 200u);
  for (const CorpusFile& file : files_) EXPECT_TRUE(counted_.count(file.file)) << file.file;
}

TEST_F(RealCorpus, AgreesWithTheReferences) {
  int compared = 0;
  for (const CorpusFile& file : files_) {
    if (file.status != "agree") continue;
    ++compared;
    const std::optional<Figures>& ours = counted_[file.file];
    if (!ours) {
      ADD_FAILURE() << file.file << " was not counted";
      continue;
    }
    if (file.reference.rfind("twin:", 0) == 0) {
      // The same text saved as UTF-8 must count the same once decoded.
      const std::optional<Figures>& twin = counted_[file.reference.substr(5)];
      EXPECT_EQ(ours, twin) << file.file << " against its UTF-8 twin";
    } else {
      EXPECT_EQ(*ours, file.expected) << file.file << " (reference: " << file.reference << ")";
    }
  }
  EXPECT_GT(compared, 150);
}

// A file added to the folder without a manifest line, or a line whose file is gone, would
// silently drop out of the comparison.
TEST_F(RealCorpus, ManifestListsExactlyTheFilesPresent) {
  std::set<std::string> present;
  for (const auto& entry : fs::recursive_directory_iterator(CorpusDir())) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name != "MANIFEST.tsv" && name != "README.md") {
      present.insert(entry.path().lexically_relative(CorpusDir()).string());
    }
  }
  std::set<std::string> listed;
  for (const CorpusFile& file : files_) {
    EXPECT_TRUE(listed.insert(file.file).second) << "listed twice: " << file.file;
    EXPECT_TRUE(present.count(file.file)) << "listed but missing: " << file.file;
  }
  for (const std::string& file : present) {
    EXPECT_TRUE(listed.count(file)) << "not in MANIFEST.tsv: " << file;
  }
}

}  // namespace
}  // namespace tw::cli
