#include "counting/RateEntry.h"

#include <algorithm>
#include <utility>

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

// Keeps the digits and dots of `text`, turning commas into dots; counts what it drops.
std::string KeepNumberCharacters(const std::string& text, int& rejected) {
  std::string kept;
  for (char c : text) {
    if (IsDigit(c) || c == '.') {
      kept += c;
    } else if (c == ',') {
      kept += '.';
    } else if (!IsContinuationByte(c)) {
      ++rejected;
    }
  }
  return kept;
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
    }
  }
  --depth_;
}

void RateEntry::RemoveLastCharacter() {
  while (!rateText_.empty() && IsContinuationByte(rateText_.back())) rateText_.pop_back();
  if (!rateText_.empty()) rateText_.pop_back();
  SetEditText(rateText_);
}

RateCheckResult CheckRateText(const std::string& typed) {
  RateEntry entry;
  entry.SetEditText(typed);
  return {entry.Messages(), entry.EditText()};
}

RateInputResult CheckRateInput(const std::string& beforeCursor, const std::string& afterCursor) {
  RateInputResult result;
  const std::string before = KeepNumberCharacters(beforeCursor, result.rejected);
  const std::string after = KeepNumberCharacters(afterCursor, result.rejected);
  RateCheckResult dots = CheckRateText(before + after);
  result.text = std::move(dots.finalEditText);
  result.messages = std::move(dots.messages);
  result.cursor = std::min(before.size(), result.text.size());
  return result;
}

}  // namespace tw
