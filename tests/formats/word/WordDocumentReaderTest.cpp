#include <gtest/gtest.h>

#include "formats/ReadResult.h"
#include "formats/word/PieceSummary.h"
#include "formats/word/WordReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::TempDir;

// A compound file holding an "EncryptedPackage" stream, as an encrypting word processor stores a
// password-protected package: a .doc whose WordDocument stream is renamed in its directory entry.
std::string WriteEncryptedPackage(const TempDir& dir) {
  std::string file = test::ReadFileBytes(FixturePath("word/readers/basic.doc"));
  const size_t entry = file.find(std::string("W\0o\0r\0d\0D\0o\0c\0u\0m\0e\0n\0t\0", 24));
  EXPECT_NE(entry, std::string::npos);
  if (entry == std::string::npos) return dir.Write("locked.docx", "");
  const std::u16string name = u"EncryptedPackage";
  for (size_t i = 0; i <= name.size(); ++i) {
    const char16_t c = i < name.size() ? name[i] : 0;
    file[entry + 2 * i] = static_cast<char>(c & 0xFF);
    file[entry + 2 * i + 1] = static_cast<char>(c >> 8);
  }
  file[entry + 64] = static_cast<char>(2 * (name.size() + 1));  // the name's length in bytes
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

TEST(WordDocumentReader, FormatIsToldByContentNotByName) {
  TempDir dir;
  const std::string bytes = test::ReadFileBytes(FixturePath("word/plain.docx"));
  const ReadResult result = ReadWordDocument(dir.Write("renamed.doc", bytes));
  ASSERT_TRUE(result.Ok());
  EXPECT_EQ(test::TextOf(result.Doc(), PieceKind::Body).substr(0, 9), u"The quick");
}

}  // namespace
}  // namespace tw
