#pragma once

#include <string>
#include <vector>

namespace tw {

inline constexpr const char* kOneDotOnlyMessage = "One dot only!";
inline constexpr const char* kNumbersOnlyMessage = "Numbers only!";

// What the rate edit's checks make of a new text: the messages to show, in order, and the text
// the edit ends with. The window shows the messages, then puts finalEditText into the edit
// without running the checks again.
struct RateCheckResult {
  std::vector<std::string> messages;
  std::string finalEditText;
  bool operator==(const RateCheckResult&) const = default;
};

// The rate edit's dot rule as a state machine. The window holds one rate text that every run of
// the handler overwrites with the edit's text; showing a new text in the edit is itself a change
// and runs the handler again, nested, before the outer run goes on with its own copy. So a second
// "." removes the last character once per nested pass. Other characters are filtered out before
// the text gets here (see CheckRateInput).
class RateEntry {
 public:
  // The edit's text changed to `text` (typed, pasted or set by the program).
  void SetEditText(const std::string& text);

  const std::string& EditText() const { return editText_; }
  const std::vector<std::string>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }

  // Nested runs deeper than this are not started: the rules always end, but a pasted text with
  // very many dots would otherwise nest once per dot.
  static constexpr int kMaxNesting = 64;

 private:
  void OnRateChanged();
  void RemoveLastCharacter();

  std::string rateText_;  // the window's rate text, overwritten by every run
  std::string editText_;  // what the edit shows
  std::vector<std::string> messages_;
  int depth_ = 0;
};

// Runs the dot rule on a fresh rate entry over a text put into the edit.
RateCheckResult CheckRateText(const std::string& typed);

// What the rate edit keeps of a changed text, split at the cursor. A "," is the decimal
// separator of many locales and becomes "."; every other character that is neither a digit nor
// a dot is dropped on its own, so the rest of the text and the cursor stay where the user left
// them. The dot rule then runs on what is left.
struct RateInputResult {
  std::string text;
  size_t cursor = 0;  // in characters, which are all single bytes after the filtering
  int rejected = 0;   // characters dropped for not being part of a number
  std::vector<std::string> messages;  // from the dot rule
  bool operator==(const RateInputResult&) const = default;
};

RateInputResult CheckRateInput(const std::string& beforeCursor, const std::string& afterCursor);

}  // namespace tw
