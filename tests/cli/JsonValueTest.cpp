#include <gtest/gtest.h>

#include "cli/JsonText.h"
#include "cli/JsonValue.h"

namespace tw::cli {
namespace {

TEST(JsonValue, TellsJsonFromNearMisses) {
  const struct {
    std::string text;
    bool valid;
  } cases[] = {
      {R"({"a":[1,-2.5e3,0.25,true,false,null,"x"],"b":{}})", true},
      {" [ ] \n", true},
      {R"("\u00e9\ud83d\ude00\/")", true},
      {"0", true},
      {"", false},
      {"[1,]", false},
      {R"({"a":1,})", false},
      {"{a:1}", false},
      {"01", false},
      {"1.", false},
      {".5", false},
      {"-", false},
      {"inf", false},
      {"nan", false},
      {"[1] [2]", false},
      {"\"tab\tinside\"", false},
      {"\"\xE9\"", false},
      {R"("\ud83d")", false},
      {R"("\ude00")", false},
      {R"("\x41")", false},
      {"\"open", false},
      {std::string(100, '[') + std::string(100, ']'), false},
      {std::string(60, '[') + std::string(60, ']'), true},
  };
  for (const auto& c : cases) {
    const JsonParse parsed = ParseJson(c.text);
    EXPECT_EQ(parsed.value.has_value(), c.valid) << c.text << ": " << parsed.error;
  }
}

TEST(JsonValue, DecodesEscapesToUtf8) {
  const JsonParse parsed = ParseJson(R"({"s":"a\"b\\c\n\u00e9\ud83d\ude00"})");
  ASSERT_TRUE(parsed.value) << parsed.error;
  EXPECT_EQ(parsed.value->Member("s")->text, "a\"b\\c\n\xC3\xA9\xF0\x9F\x98\x80");
}

// What the writer quotes, the reader gives back, except bytes that are no UTF-8.
TEST(JsonValue, QuotedTextReadsBack) {
  const struct {
    std::string text;
    std::string readBack;
  } cases[] = {
      {"plain", "plain"},
      {"\"\\\n\r\t\x01\x1f", "\"\\\n\r\t\x01\x1f"},
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
      {"\xE9t\xE9", "\xEF\xBF\xBDt\xEF\xBF\xBD"},
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                                  // overlong '/'
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},                  // a surrogate
      {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // past U+10FFFF
      {"\xE2\x82", "\xEF\xBF\xBD\xEF\xBF\xBD"},                                  // cut short
  };
  for (const auto& c : cases) {
    const JsonParse parsed = ParseJson(JsonQuoted(c.text));
    ASSERT_TRUE(parsed.value) << JsonQuoted(c.text);
    EXPECT_EQ(parsed.value->text, c.readBack) << JsonQuoted(c.text);
  }
}

}  // namespace
}  // namespace tw::cli
