#include <gtest/gtest.h>

#include "pricing/RateEntry.h"

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

TEST(RateEntry, PastedRunOfDotsEnds) {
  const RateCheckResult result = CheckRateText("1" + std::string(200, '.'));
  EXPECT_FALSE(result.messages.empty());
  for (const std::string& message : result.messages) EXPECT_EQ(message, "One dot only!");
  EXPECT_LE(result.finalEditText.size(), 201u);
}

}  // namespace
}  // namespace tw
