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
      // ASCII is widened sixteen bytes at a time: runs of 15, 16 and 17 and more, then a
      // character of two bytes right at or past the sixteenth byte.
      {"0123456789abcde", u"0123456789abcde"},
      {"0123456789abcdef\xC3\xA9", u"0123456789abcdef\u00e9"},
      {"0123456789abcdefg\xC3\xA9"
       "0123456789abcdefghijklmno",
       u"0123456789abcdefg\u00e90123456789abcdefghijklmno"},
      {"0123456789abcde\xFF"
       "0123456789abcdef",
       u"0123456789abcde\ufffd0123456789abcdef"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    std::u16string appended = u"kept ";
    AppendUtf8AsUtf16(appended, c.utf8);
    EXPECT_EQ(appended, u"kept " + c.utf16) << c.utf8;
  }
}

TEST(Utf16Text, Utf8SurvivesTheRoundTrip) {
  const std::u16string text = u"Gr\u00fc\u00df Gott \u2014 \u4e2d\u6587 \U0001D400.";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
}

}  // namespace
}  // namespace tw
