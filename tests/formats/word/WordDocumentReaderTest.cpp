#include <gtest/gtest.h>

#include "formats/ReadResult.h"
#include "formats/word/PieceSummary.h"
#include "formats/word/WordReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::TempDir;

// Renames a stream in the compound file's directory entry: the UTF-16 name and its length in bytes.
void RenameStream(std::string& file, const std::u16string& from, const std::u16string& to) {
  const auto littleEndian = [](const std::u16string& name) {
    std::string bytes;
    for (const char16_t c : name + u'\0') {
      bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    }
    return bytes;
  };
  const size_t entry = file.find(littleEndian(from));
  ASSERT_NE(entry, std::string::npos);
  file.replace(entry, 2 * (to.size() + 1), littleEndian(to));
  file[entry + 64] = static_cast<char>(2 * (to.size() + 1));
}

// A compound file holding an "EncryptedPackage" stream, as an encrypting word processor stores a
// password-protected package: a .doc whose WordDocument stream is renamed.
std::string WriteEncryptedPackage(const TempDir& dir) {
  std::string file = test::ReadFileBytes(FixturePath("word/readers/basic.doc"));
  RenameStream(file, u"WordDocument", u"EncryptedPackage");
  return dir.Write("locked.docx", file);
}

std::string ReasonOfFailure(const std::string& path) {
  const ReadResult result = ReadWordDocument(path);
  return result.Ok() ? "(opened)" : result.Error().Reason();
}

TEST(WordDocumentReader, ReasonsNameTheFile) {
  TempDir dir;
  const std::string locked = WriteEncryptedPackage(dir);
  const std::string text = dir.Write("text.rtf", "plain text, no rich text header");
  const std::string missing = (dir.Path() / "missing.doc").string();
  const std::string folder = dir.Path().string();
  const std::pair<std::string, std::string> cases[] = {
      {locked, "The document is password-protected: " + locked},
      {text, "The file is not a Word document: " + text},
      {missing, "The file could not be found: " + missing},
      {folder, "The file could not be found: " + folder},
  };
  for (const auto& [path, reason] : cases) EXPECT_EQ(ReasonOfFailure(path), reason);
}

TEST(WordDocumentReader, StreamNamesDifferingInCaseAreTheSameStreams) {
  TempDir dir;
  const std::string original = FixturePath("word/readers/basic.doc");
  const ReadResult expected = ReadWordDocument(original);
  ASSERT_TRUE(expected.Ok());
  std::string file = test::ReadFileBytes(original);
  RenameStream(file, u"WordDocument", u"worddocument");
  RenameStream(file, u"1Table", u"1TABLE");
  const ReadResult result = ReadWordDocument(dir.Write("cased.doc", file));
  ASSERT_TRUE(result.Ok()) << result.Error().Reason();
  EXPECT_EQ(test::TextOf(result.Doc(), PieceKind::Body),
            test::TextOf(expected.Doc(), PieceKind::Body));
  EXPECT_FALSE(test::TextOf(result.Doc(), PieceKind::Body).empty());
}

TEST(WordDocumentReader, FormatIsToldByContentNotByName) {
  TempDir dir;
  const std::string bytes = test::ReadFileBytes(FixturePath("word/plain.docx"));
  const ReadResult result = ReadWordDocument(dir.Write("renamed.doc", bytes));
  ASSERT_TRUE(result.Ok());
  EXPECT_EQ(test::TextOf(result.Doc(), PieceKind::Body).substr(0, 9), u"The quick");
}

}  // namespace
}  // namespace tw
