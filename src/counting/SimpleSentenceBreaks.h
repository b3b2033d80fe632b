#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tw {

// The Unicode sentence rules (UAX #29) for the common case, without ICU's iterator: a paragraph
// whose every UTF-16 unit is a basic-plane character of a sentence class other than the paragraph
// separators, Extend and Format. Those rules then reduce to a look at what follows each full stop
// or other terminator, so the boundaries come out the same as ICU's at a fraction of the cost.
// The classes come from ICU's own character data, so both agree on every character.
class SimpleSentenceBreaks {
 public:
  // The sentence classes the simple rules know; Unsupported sends a paragraph to ICU.
  enum Class : uint8_t {
    Other,
    Sp,
    Lower,
    Upper,
    OLetter,
    Numeric,
    ATerm,
    STerm,
    Close,
    SContinue,
    Unsupported,
  };

  // The table of classes is made from ICU's data once per process, on first use.
  SimpleSentenceBreaks();

  // The class of one unit, and whether it is white space (for the normalising of segments).
  Class ClassOf(char16_t unit) const { return static_cast<Class>(table_[unit] & kClassBits); }
  bool IsWhiteSpace(char16_t unit) const { return (table_[unit] & kWhiteSpaceBit) != 0; }

  // Whether the simple rules decide every boundary of this paragraph.
  bool Covers(std::u16string_view paragraph) const;

  // Where the sentence that starts at `start` ends (the end of the paragraph at the latest), for
  // a paragraph the simple rules cover.
  size_t SentenceEnd(std::u16string_view paragraph, size_t start) const;

 private:
  static constexpr uint8_t kClassBits = 0x0F;
  static constexpr uint8_t kWhiteSpaceBit = 0x10;

  bool BreaksBetween(std::u16string_view paragraph, size_t terminator, size_t next) const;
  bool LowerFollows(std::u16string_view paragraph, size_t from) const;
  bool IsTerminator(Class c) const { return c == ATerm || c == STerm; }

  const uint8_t* table_;
};

}  // namespace tw
