#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/pdf/PdfReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

bool IsSeparator(char16_t unit) {
  return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\f';
}

// The words of a piece, split at the separators the PDF rule knows.
std::vector<std::u16string> WordsOf(const std::u16string& text) {
  std::vector<std::u16string> words(1);
  for (char16_t unit : text) {
    if (!IsSeparator(unit)) {
      words.back() += unit;
    } else if (!words.back().empty()) {
      words.emplace_back();
    }
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

// One piece per page in page order, each the page's words as the fixtures' README gives them and
// nothing after the last word.
TEST(PdfReader, ReadsEveryPageOfTheFixtures) {
  const struct {
    const char* file;
    std::vector<std::vector<std::u16string>> pages;
  } cases[] = {
      {"plain.pdf",
       {{u"The", u"quick", u"brown", u"fox", u"jumps", u"over", u"the", u"lazy", u"dog.", u"Hello,",
         u"world!"}}},
      {"emptypage.pdf", {{u"First", u"page", u"text."}, {}, {u"Third", u"page."}}},
      {"cyrillic.pdf",
       {{u"\u041F\u0440\u0438\u0432\u0435\u0442,", u"\u043C\u0438\u0440!",
         u"\u0421\u044A\u0435\u0448\u044C", u"\u0436\u0435", u"\u0435\u0449\u0451",
         u"\u044D\u0442\u0438\u0445", u"\u043C\u044F\u0433\u043A\u0438\u0445",
         u"\u0431\u0443\u043B\u043E\u043A."}}},
      {"table.pdf",
       {{u"Price", u"list", u"Apples", u"red", u"fruit", u"Pears", u"green", u"fruit"}}},
  };
  for (const auto& c : cases) {
    const ReadResult result = ReadPdfDocument(test::FixturePath(std::string("pdf/") + c.file));
    ASSERT_TRUE(result.Ok()) << c.file << ": " << result.Error().Reason();
    const std::vector<TextPiece>& pieces = result.Doc().pieces;
    ASSERT_EQ(pieces.size(), c.pages.size()) << c.file;
    for (size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_EQ(pieces[i].kind, PieceKind::PdfPage);
      EXPECT_EQ(pieces[i].container, static_cast<int>(i));
      EXPECT_EQ(WordsOf(pieces[i].text), c.pages[i]) << c.file << " page " << i + 1;
      EXPECT_TRUE(pieces[i].text.empty() || !IsSeparator(pieces[i].text.back())) << c.file;
    }
  }
  // A long page and the rest come whole too.
  for (const char* file : {"longpage.pdf", "columns.pdf", "hyphen.pdf"}) {
    const ReadResult result = ReadPdfDocument(test::FixturePath(std::string("pdf/") + file));
    ASSERT_TRUE(result.Ok()) << file;
    EXPECT_EQ(result.Doc().pieces.size(), 1u) << file;
  }
}

TEST(PdfReader, AFileItCannotOpenIsAnError) {
  test::TempDir dir;
  const std::string paths[] = {
      test::FixturePath("pdf/encrypted.pdf"),
      dir.Write("text.pdf", "not a PDF at all"),
      (dir.Path() / "missing.pdf").string(),
  };
  for (const std::string& path : paths) {
    const ReadResult result = ReadPdfDocument(path);
    ASSERT_FALSE(result.Ok()) << path;
    EXPECT_NE(result.Error().Reason().find(path), std::string::npos) << result.Error().Reason();
    // Only the locked fixture is told as needing a password.
    const bool locked = path == paths[0];
    EXPECT_EQ(result.Error().GetCause() == ReaderError::Cause::NeedsPassword, locked) << path;
    EXPECT_EQ(result.Error().Reason().find("password") != std::string::npos, locked)
        << result.Error().Reason();
  }
}

}  // namespace
}  // namespace tw
