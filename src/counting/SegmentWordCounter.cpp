#include "counting/SegmentWordCounter.h"

#include "counting/CountTotals.h"
#include "text/IcuUnicode.h"

namespace tw {
namespace {

// A line longer than this is judged in parts, cut at white space (or, failing any, at twice it).
constexpr size_t kLongLine = size_t{1} << 16;

bool EndsLine(char32_t c) {
  return c == u'\n' || c == u'\r' || c == 0x0B || c == 0x0C || c == 0x85 || c == 0x2028 ||
         c == 0x2029;
}

// One word break iterator per thread: making one loads ICU's rules.
UBreakIterator* WordBreaks() {
  thread_local const UniqueBreaks breaks = OpenRootBreaks(UBRK_WORD);
  return breaks.get();
}

void AppendUtf16(std::u16string& text, char32_t c) {
  if (c < 0x10000) {
    text.push_back(static_cast<char16_t>(c));
    return;
  }
  c -= 0x10000;
  text.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
  text.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

}  // namespace

void SegmentWordCounter::Feed(char32_t codePoint) {
  if (EndsLine(codePoint)) {
    CountLine();
    return;
  }
  if (codePoint > 0x10FFFF) codePoint = 0xFFFD;
  AppendUtf16(line_, codePoint);
  const bool longLine = line_.size() >= kLongLine;
  if ((longLine && Icu().isWhiteSpace(static_cast<UChar32>(codePoint))) ||
      line_.size() >= 2 * kLongLine) {
    CountLine();
  }
}

int64_t SegmentWordCounter::Finish() {
  CountLine();
  return words_;
}

void SegmentWordCounter::CountLine() {
  if (line_.empty()) return;
  UBreakIterator* breaks = WordBreaks();
  if (breaks == nullptr) return;
  const IcuUnicode& icu = Icu();
  UErrorCode error = U_ZERO_ERROR;
  icu.setBreaksText(breaks, line_.data(), static_cast<int32_t>(line_.size()), &error);
  if (U_SUCCESS(error)) {
    for (int32_t end = icu.nextBreak(breaks); end != UBRK_DONE; end = icu.nextBreak(breaks)) {
      if (icu.breakRuleStatus(breaks) != UBRK_WORD_NONE) words_ = SaturatingAdd(words_, 1);
    }
  }
  // The iterator keeps a pointer to the text: leave it none before the text changes.
  static const UChar kNoText[1] = {};
  error = U_ZERO_ERROR;
  icu.setBreaksText(breaks, kNoText, 0, &error);
  line_.clear();
}

}  // namespace tw
