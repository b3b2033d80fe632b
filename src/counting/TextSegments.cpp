#include "counting/TextSegments.h"

#include <memory>
#include <string>

#include "counting/SimpleSentenceBreaks.h"
#include "text/IcuUnicode.h"

namespace tw {
namespace {

// A sentence iterator per thread: making one costs far more than using it, and counting may run
// on several threads at once. Null when ICU cannot make one; paragraphs are then whole segments.
UBreakIterator* SentenceIterator() {
  thread_local const UniqueBreaks iterator = OpenRootBreaks(UBRK_SENTENCE);
  return iterator.get();
}

// A UText over a paragraph's units, kept on the stack: opening one costs no allocation.
class ParagraphText {
 public:
  ParagraphText(std::u16string_view paragraph, UErrorCode& status) {
    Icu().openUnitsText(&text_, paragraph.data(), static_cast<int64_t>(paragraph.size()), &status);
  }
  ~ParagraphText() { Icu().closeText(&text_); }
  ParagraphText(const ParagraphText&) = delete;
  ParagraphText& operator=(const ParagraphText&) = delete;
  UText* Get() { return &text_; }

 private:
  UText text_ = UTEXT_INITIALIZER;
};

// The normalised text of a segment, kept per thread from piece to piece: a document may hand
// over thousands of short pieces, and each would otherwise make its own.
std::vector<char16_t>& NormalisedBuffer() {
  thread_local std::vector<char16_t> buffer;
  return buffer;
}

bool EndsParagraph(char16_t unit) {
  return unit == u'\r' || unit == u'\n' || unit == u'\u2029';
}

class SegmentAppender {
 public:
  SegmentAppender(const WordsOfText& wordsOf, std::vector<SegmentWords>& segments)
      : wordsOf_(wordsOf), segments_(segments), normalised_(NormalisedBuffer()) {}

  // Splits the text into paragraphs, noting on the way whether the simple sentence rules cover
  // each one.
  void AddText(std::u16string_view text) {
    size_t start = 0;
    while (start < text.size()) {
      size_t end = start;
      bool simple = true;
      for (; end < text.size(); ++end) {
        if (breaks_.ClassOf(text[end]) != SimpleSentenceBreaks::Unsupported) continue;
        if (EndsParagraph(text[end])) break;
        simple = false;
      }
      if (end > start) AddParagraph(text.substr(start, end - start), simple);
      start = end + 1;
    }
  }

 private:
  void AddParagraph(std::u16string_view paragraph, bool simple) {
    if (simple) {
      for (size_t start = 0; start < paragraph.size();) {
        const size_t end = breaks_.SentenceEnd(paragraph, start);
        AddSentence(paragraph.substr(start, end - start));
        start = end;
      }
      return;
    }
    UBreakIterator* iterator = SentenceIterator();
    if (iterator == nullptr) {
      AddSentence(paragraph);
      return;
    }
    UErrorCode status = U_ZERO_ERROR;
    ParagraphText text(paragraph, status);
    const IcuUnicode& icu = Icu();
    if (U_SUCCESS(status)) icu.setBreaksUText(iterator, text.Get(), &status);
    if (U_FAILURE(status)) {
      AddSentence(paragraph);
      return;
    }
    int32_t start = icu.firstBreak(iterator);
    for (int32_t end = icu.nextBreak(iterator); end != UBRK_DONE;
         start = end, end = icu.nextBreak(iterator)) {
      AddSentence(paragraph.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
    }
  }

  void AddSentence(std::u16string_view sentence) {
    const std::u16string_view normalised = Normalised(Trimmed(sentence));
    if (normalised.empty()) return;
    segments_.push_back({std::hash<std::u16string_view>{}(normalised), wordsOf_(sentence)});
  }

  std::u16string_view Trimmed(std::u16string_view text) const {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && breaks_.IsWhiteSpace(text[begin])) ++begin;
    while (end > begin && breaks_.IsWhiteSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
  }

  // Most sentences are normalised already, their words apart by single spaces: those are hashed
  // as they stand. The rest have their white space runs made one space.
  std::u16string_view Normalised(std::u16string_view trimmed) {
    // Bit operations, not conditions, for the same reason as below.
    unsigned irregular = 0;
    unsigned previousBlank = 0;
    for (const char16_t unit : trimmed) {
      const unsigned blank = breaks_.IsWhiteSpace(unit) ? 1 : 0;
      irregular |= blank & (previousBlank | static_cast<unsigned>(unit != u' '));
      previousBlank = blank;
    }
    return irregular == 0 ? trimmed : SpacesCollapsed(trimmed);
  }

  // The buffer only ever grows, and the text never does, so it is written without checks and
  // without branches: spaces and letters alternate too often for a branch to be predicted.
  std::u16string_view SpacesCollapsed(std::u16string_view trimmed) {
    if (normalised_.size() < trimmed.size() + 1) normalised_.resize(trimmed.size() + 1);
    char16_t* const begin = normalised_.data();
    char16_t* out = begin;
    size_t pendingSpace = 0;
    for (const char16_t unit : trimmed) {
      const size_t kept = breaks_.IsWhiteSpace(unit) ? 0 : 1;
      *out = u' ';
      out += pendingSpace & kept;
      *out = unit;
      out += kept;
      pendingSpace = kept ^ 1;
    }
    return {begin, static_cast<size_t>(out - begin)};
  }

  const SimpleSentenceBreaks breaks_;
  const WordsOfText& wordsOf_;
  std::vector<SegmentWords>& segments_;
  std::vector<char16_t>& normalised_;
};

}  // namespace

void AppendTextSegments(std::u16string_view text, const WordsOfText& wordsOf,
                        std::vector<SegmentWords>& segments) {
  SegmentAppender(wordsOf, segments).AddText(text);
}

}  // namespace tw
