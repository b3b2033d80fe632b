#include <gtest/gtest.h>

#include <algorithm>

#include "counting/RateEntry.h"

namespace tw {
namespace {

using Texts = std::vector<std::string>;

TEST(RateEntry, ChecksEveryTextTheWayTheEditDoes) {
  const std::string dot = "One dot only!";
  const std::string numbers = "Numbers only!";
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
      {"ab", {numbers, numbers}, "0.01"},
      {"-1", {numbers}, "0.01"},
      {"1-", {numbers}, "0.01"},
      {"1,5", {numbers}, "0.01"},
      {" 1", {numbers}, "0.01"},
      {"a..", {numbers, dot}, "0.0"},
      {"1.5x", {numbers}, "0.01"},
      {"\xC3\xA9", {numbers}, "0.01"},  // one letter, two bytes: one message
      {"1.\xC3\xA9.", {numbers, dot}, "0.0"},
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
  entry.ClearMessages();
  entry.SetEditText("1.5a");
  EXPECT_EQ(entry.EditText(), "0.01");
  EXPECT_EQ(entry.Messages(), Texts{"Numbers only!"});
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
