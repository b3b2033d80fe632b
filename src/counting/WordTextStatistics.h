#pragma once

#include <cstdint>
#include <string_view>

namespace tw {

// Word's figures for a stretch of story text (formats/word/WordText.h describes how it is written).
//  - characters with spaces: every character except separators (paragraph marks, cell and row
//    ends, breaks: any C0 control other than tab);
//  - characters: that minus white space (space, tab, no-break space, other space separators);
//  - words: runs of characters between white space and separators; each Han ideograph or kana
//    is a word of its own. Punctuation does not split a word, so a lone "-" or "..." is a word.
// Characters are judged by code point (a surrogate pair is one character), or, under the legacy
// byte rules, each UTF-16 unit by its low byte.
struct WordTextStatistics {
  int64_t words = 0;
  int64_t characters = 0;
  int64_t charactersWithSpaces = 0;

  WordTextStatistics& operator+=(const WordTextStatistics& other);
  bool operator==(const WordTextStatistics&) const = default;

  static WordTextStatistics Of(std::u16string_view text, bool legacyByteRules);
};

}  // namespace tw
