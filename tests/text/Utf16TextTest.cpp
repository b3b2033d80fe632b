#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Utf16Text.h"

namespace tw {
namespace {

// Each sequence length, a character of the other planes (a surrogate pair), and ill-formed
// input, which becomes U+FFFD a byte at a time without losing what follows.
TEST(Utf16Text, Utf8BecomesUtf16UnitForUnit) {
  const struct {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"", u""},
      {"plain", u"plain"},
      {"caf\xC3\xA9", u"caf\u00e9"},
      {"\xE2\x82\xAC 5", u"\u20ac 5"},
      {"a\xF0\x9F\x98\x80z", u"a\U0001F600z"},
      {"\xF0\x9F\x98\x80\xF0\x9F\x98\x80", u"\U0001F600\U0001F600"},
      {"x\xFFy", u"x\ufffdy"},
      {"\xC3", u"\ufffd"},              // cut short at the end
      {"\xE2\x82z", u"\ufffd\ufffdz"},  // cut short before a letter
      {"\xC0\xAF", u"\ufffd\ufffd"},    // an overlong "/"
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
  }
}

TEST(Utf16Text, Utf8SurvivesTheRoundTrip) {
  const std::u16string text = u"Gr\u00fc\u00df Gott \u2014 \u4e2d\u6587 \U0001D400.";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
}

}  // namespace
}  // namespace tw
