#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/container/ContainerError.h"
#include "formats/delimited/DelimitedReader.h"
#include "formats/epub/EpubReader.h"
#include "formats/idml/IdmlReader.h"
#include "formats/json/JsonReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

std::vector<std::u16string> TextsOf(const Document& document) {
  std::vector<std::u16string> texts;
  for (const TextPiece& piece : document.pieces) texts.push_back(piece.text);
  return texts;
}

TEST(DelimitedReader, SplitsCellsAndLeavesOutFigures) {
  const struct {
    const char* text;
    char delimiter;
    std::vector<std::u16string> cells;
  } cases[] = {
      {"a,b c\r\n1,2.5\n", ',', {u"a", u"b c"}},
      {"\"x, y\",\"say \"\"hi\"\"\"\n\"two\nlines\",-1,45%,1,234",
       ',',
       {u"x, y", u"say \"hi\"", u"two\nlines"}},
      {"\"open quote, never closed", ',', {u"open quote, never closed"}},
      {"a\t\"b\"\t\t3\n", '\t', {u"a", u"\"b\""}},
      {"x,,  ,\n", ',', {u"x"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TextsOf(ParseDelimited(c.text, c.delimiter)), c.cells) << c.text;
}

// The text sits in a buffer of its exact size, so the sanitizers see a read past its end.
TEST(DelimitedReader, AQuoteThatEndsTheInputEndsTheCell) {
  const struct {
    std::string text;
    std::vector<std::u16string> cells;
  } cases[] = {{"a,\"b\"", {u"a", u"b"}}, {"\"open", {u"open"}}, {"\"", {}}};
  for (const auto& c : cases) {
    const std::vector<char> exact(c.text.begin(), c.text.end());
    EXPECT_EQ(TextsOf(ParseDelimited({exact.data(), exact.size()}, ',')), c.cells) << c.text;
  }
}

TEST(JsonReader, ReadsStringValuesNotNames) {
  EXPECT_EQ(TextsOf(ParseJson(R"({"name": "A b", "n": [1, -2.5e3, true, null, "c\u00e9\n"],
                                  "nested": {"k": "\ud83d\ude00 x", "bad": "\ud800y"}, "e": ""})")),
            (std::vector<std::u16string>{u"A b", u"c\u00E9\n", u"\U0001F600 x", u"\uFFFDy"}));
}

TEST(JsonReader, MalformedOrTooDeepJsonIsAnError) {
  for (const std::string& text :
       {std::string("{\"a\": }"), std::string("[1, 2"), std::string("\"open"),
        std::string("{\"a\" 1}"), std::string("[1] [2]"), std::string("\"bad \\q escape\""),
        std::string(300, '[') + std::string(300, ']')}) {
    EXPECT_THROW(ParseJson(text), ContainerError) << text.substr(0, 20);
  }
}

TEST(PackagedBooks, ReadTheSpineAndTheStoriesInTheirOrder) {
  const ReadResult book = ReadEpub(test::FixturePath("formats/sentences.epub"));
  ASSERT_TRUE(book.Ok()) << book.Error().Reason();
  // The spine lists chapter1 first although the manifest lists "chapter 2.xhtml" first; the
  // navigation document, the head and the script are not read.
  EXPECT_EQ(TextsOf(book.Doc()),
            (std::vector<std::u16string>{u"The quick brown fox jumps over the lazy dog.\n"
                                         u"Translators count words, not pages.\n",
                                         u"\u00DCber den Wolken scheint die Sonne.\n"}));
  const ReadResult stories = ReadIdml(test::FixturePath("formats/sentences.idml"));
  ASSERT_TRUE(stories.Ok()) << stories.Error().Reason();
  EXPECT_EQ(
      TextsOf(stories.Doc()),
      (std::vector<std::u16string>{
          u"The quick brown fox jumps over the lazy dog.\nTranslators count words, not pages.",
          u"\u00DCber den Wolken scheint die Sonne."}));
}

}  // namespace
}  // namespace tw
