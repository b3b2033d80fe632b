#include "counting/TextSegments.h"

#include <memory>
#include <string>

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>

namespace tw {
namespace {

bool EndsParagraph(char16_t unit) {
  return unit == u'\r' || unit == u'\n' || unit == u'\u2029';
}

// A sentence iterator per thread: making one costs far more than using it, and counting may run
// on several threads at once. Null when ICU cannot make one; paragraphs are then whole segments.
icu::BreakIterator* SentenceIterator() {
  thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> made(
        icu::BreakIterator::createSentenceInstance(icu::Locale::getRoot(), status));
    return U_SUCCESS(status) ? std::move(made) : nullptr;
  }();
  return iterator.get();
}

struct UTextCloser {
  void operator()(UText* text) const { utext_close(text); }
};

// Text without a sentence terminator of any script is one sentence; plain ASCII says so cheaply.
bool IsOneAsciiSentence(std::u16string_view paragraph) {
  for (char16_t unit : paragraph) {
    if (unit >= 0x80 || unit == u'.' || unit == u'!' || unit == u'?') return false;
  }
  return true;
}

uint64_t HashOfNormalised(std::u16string_view text, std::u16string& buffer) {
  buffer.clear();
  bool pendingSpace = false;
  for (char16_t unit : text) {
    if (u_isUWhiteSpace(unit)) {
      pendingSpace = !buffer.empty();
      continue;
    }
    if (pendingSpace) buffer += u' ';
    pendingSpace = false;
    buffer += unit;
  }
  return buffer.empty() ? 0 : std::hash<std::u16string>{}(buffer);
}

class SegmentAppender {
 public:
  SegmentAppender(const WordsOfText& wordsOf, std::vector<SegmentWords>& segments)
      : wordsOf_(wordsOf), segments_(segments) {}

  void AddSentence(std::u16string_view sentence) {
    const uint64_t hash = HashOfNormalised(sentence, normalised_);
    if (normalised_.empty()) return;
    segments_.push_back({hash, wordsOf_(sentence)});
  }

  void AddParagraph(std::u16string_view paragraph) {
    icu::BreakIterator* iterator = SentenceIterator();
    if (iterator == nullptr || IsOneAsciiSentence(paragraph)) {
      AddSentence(paragraph);
      return;
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UText, UTextCloser> text(utext_openUChars(
        nullptr, paragraph.data(), static_cast<int64_t>(paragraph.size()), &status));
    if (U_SUCCESS(status)) iterator->setText(text.get(), status);
    if (U_FAILURE(status)) {
      AddSentence(paragraph);
      return;
    }
    int32_t start = iterator->first();
    for (int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         start = end, end = iterator->next()) {
      AddSentence(paragraph.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
    }
  }

 private:
  const WordsOfText& wordsOf_;
  std::vector<SegmentWords>& segments_;
  std::u16string normalised_;
};

}  // namespace

void AppendTextSegments(std::u16string_view text, const WordsOfText& wordsOf,
                        std::vector<SegmentWords>& segments) {
  SegmentAppender appender(wordsOf, segments);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && !EndsParagraph(text[end])) ++end;
    if (end > start) appender.AddParagraph(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace tw
