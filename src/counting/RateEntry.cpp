#include "counting/RateEntry.h"

namespace tw {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A character is a whole UTF-8 sequence: continuation bytes belong to the character before them,
// so a letter such as "\xC3\xA9" gets one message and is removed as a whole.
bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void RateEntry::SetEditText(const std::string& text) {
  editText_ = text;
  // Showing a text in the edit is a change of its text, so the handler runs again right away.
  if (depth_ < kMaxNesting) OnRateChanged();
}

// The outer run scans its own copy to the end, even after a nested run changed the rate text:
// each offending character of the copy gets its own message.
void RateEntry::OnRateChanged() {
  ++depth_;
  rateText_ = editText_;
  const std::string scanned = rateText_;
  bool seenDot = false;
  for (char c : scanned) {
    if (IsContinuationByte(c)) continue;
    if (c == '.') {
      if (!seenDot) {
        seenDot = true;
        continue;
      }
      messages_.emplace_back(kOneDotOnlyMessage);
      RemoveLastCharacter();
    } else if (!IsDigit(c)) {
      messages_.emplace_back(kNumbersOnlyMessage);
      ResetToDefault();
    }
  }
  --depth_;
}

void RateEntry::RemoveLastCharacter() {
  while (!rateText_.empty() && IsContinuationByte(rateText_.back())) rateText_.pop_back();
  if (!rateText_.empty()) rateText_.pop_back();
  SetEditText(rateText_);
}

void RateEntry::ResetToDefault() {
  rateText_ = "0.01";
  SetEditText(rateText_);
}

RateCheckResult CheckRateText(const std::string& typed) {
  RateEntry entry;
  entry.SetEditText(typed);
  return {entry.Messages(), entry.EditText()};
}

}  // namespace tw
