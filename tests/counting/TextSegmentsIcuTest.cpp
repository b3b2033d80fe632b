#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "counting/TextSegments.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

int64_t Units(std::u16string_view text) {
  return static_cast<int64_t>(text.size());
}

// Segments as the definition has them, every paragraph through ICU's iterator and white space
// by ICU's property: what the segmenting must give, whichever way it splits a paragraph.
class IcuSegments {
 public:
  IcuSegments() {
    UErrorCode status = U_ZERO_ERROR;
    iterator_.reset(icu::BreakIterator::createSentenceInstance(icu::Locale::getRoot(), status));
  }

  std::vector<SegmentWords> Of(const std::u16string& text) {
    std::vector<SegmentWords> segments;
    size_t start = 0;
    while (start < text.size()) {
      const size_t end = std::min(text.find_first_of(u"\r\n\u2029", start), text.size());
      if (end > start) AddParagraph(text.substr(start, end - start), segments);
      start = end + 1;
    }
    return segments;
  }

 private:
  void AddParagraph(const std::u16string& paragraph, std::vector<SegmentWords>& segments) {
    const icu::UnicodeString text(false, paragraph.data(), static_cast<int32_t>(paragraph.size()));
    iterator_->setText(text);
    int32_t start = iterator_->first();
    for (int32_t end = iterator_->next(); end != icu::BreakIterator::DONE;
         start = end, end = iterator_->next()) {
      const std::u16string sentence =
          paragraph.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
      std::u16string normalised;
      bool space = false;
      for (char16_t unit : sentence) {
        if (u_isUWhiteSpace(unit)) {
          space = !normalised.empty();
          continue;
        }
        if (space) normalised += u' ';
        space = false;
        normalised += unit;
      }
      if (normalised.empty()) continue;
      segments.push_back({std::hash<std::u16string>{}(normalised), Units(sentence)});
    }
  }

  std::unique_ptr<icu::BreakIterator> iterator_;
};

// Random texts of several paragraphs, some with characters the simple sentence rules leave to
// ICU (a combining accent, a soft hyphen, a character of another plane, a line separator).
TEST(TextSegments, AgreeWithIcuOnRandomTexts) {
  const std::u16string simple = u"aaB. . ! ? \u00a0\t1\"), \u00e9\u00c9";
  const std::u16string other[] = {u"\u0301", u"\u00ad", u"\U0001D400", u"\u2028", u"\r\n", u"\n"};
  IcuSegments icu;
  std::mt19937 random(29);
  std::uniform_int_distribution<size_t> pickSimple(0, simple.size() - 1);
  std::uniform_int_distribution<size_t> pickOther(0, std::size(other) - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  for (int round = 0; round < 20000; ++round) {
    std::u16string text;
    const int length = percent(random) / 2;
    for (int i = 0; i < length; ++i) {
      if (percent(random) < 4) {
        text += other[pickOther(random)];
      } else {
        text += simple[pickSimple(random)];
      }
    }
    std::vector<SegmentWords> segments;
    AppendTextSegments(text, Units, segments);
    ASSERT_EQ(segments, icu.Of(text)) << Utf16ToUtf8(text);
  }
}

}  // namespace
}  // namespace tw
