#include <gtest/gtest.h>

#include <algorithm>

#include "counting/RateEntry.h"

namespace tw {
namespace {

using Texts = std::vector<std::string>;

TEST(RateEntry, ChecksEveryTextTheWayTheEditDoes) {
  const std::string dot = "One dot only!";
  const struct {
    const char* typed;
    Texts messages;
    const char* finalText;
  } cases[] = {
      {"", {}, ""},
      {"1.5", {}, "1.5"},
      {".", {}, "."},
      {"5.", {}, "5."},
      {"0123", {}, "0123"},
      {"1.5.", {dot}, "1.5"},
      // One message per nested pass: ".1.5" -> ".1." -> ".1".
      {".1.5", {dot, dot}, ".1"},
      {"1..", {dot}, "1."},
      // The outer runs go on over their own copies and shorten the shared text further.
      {"1...", {dot, dot, dot}, "1"},
      {"1.2.3.4.5", Texts(12, dot), ""},
  };
  for (const auto& c : cases) {
    const RateCheckResult result = CheckRateText(c.typed);
    EXPECT_EQ(result.messages, c.messages) << "'" << c.typed << "'";
    EXPECT_EQ(result.finalEditText, c.finalText) << "'" << c.typed << "'";
  }
}

TEST(RateEntry, KeepsStateAcrossTypedCharacters) {
  RateEntry entry;
  for (const char* text : {"1", "1.", "1.5", "1.5."}) entry.SetEditText(text);
  EXPECT_EQ(entry.EditText(), "1.5");
  EXPECT_EQ(entry.Messages(), Texts{"One dot only!"});
}

TEST(RateEntry, InputKeepsNumberCharactersAndTheCursor) {
  const struct {
    const char* before;  // the text left of the cursor
    const char* after;
    const char* text;
    size_t cursor;
    int rejected;
    Texts messages;
  } cases[] = {
      {"1,", "5", "1.5", 2, 0, {}},
      {"1,5", "", "1.5", 3, 0, {}},
      {"1a", ".5", "1.5", 1, 1, {}},
      {"ab", "", "", 0, 2, {}},
      {"-", "1", "1", 0, 1, {}},
      {"1.\xC3\xA9", "5", "1.5", 2, 1, {}},  // one letter of two bytes
      {"1.5,", "", "1.5", 3, 0, {"One dot only!"}},
      {"1.5x", "", "1.5", 3, 1, {}},
  };
  for (const auto& c : cases) {
    const RateInputResult result = CheckRateInput(c.before, c.after);
    EXPECT_EQ(result, (RateInputResult{c.text, c.cursor, c.rejected, c.messages}))
        << "'" << c.before << "|" << c.after << "'";
  }
}

TEST(RateEntry, PastedRunOfDots) {
  // The first extra dot's nested run cleans the text (n - 1 dots: M(n - 1) messages); each later
  // extra dot of the outer copy gives one more message and shortens the clean text further, so
  // M(n) = M(n - 1) + n - 1 = n (n - 1) / 2 and nothing is left.
  const RateCheckResult ten = CheckRateText("1" + std::string(10, '.'));
  EXPECT_EQ(ten.messages, Texts(45, "One dot only!"));
  EXPECT_EQ(ten.finalEditText, "");
  // Beyond the nesting guard the run still ends, with at most one dot left.
  const RateCheckResult many = CheckRateText("1" + std::string(1000, '.'));
  EXPECT_LE(std::count(many.finalEditText.begin(), many.finalEditText.end(), '.'), 1);
}

}  // namespace
}  // namespace tw
