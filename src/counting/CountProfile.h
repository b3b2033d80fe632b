#pragma once

#include <optional>
#include <string_view>

namespace tw {

// What a word and a character are, for every format alike.
enum class CountProfile {
  Classic,   // the product's own rules: byte tables, the HTML scanner, Word-like statistics
  Word,      // the rules of common word processors: words are runs between white space
  Segments,  // Unicode word boundaries; tokens of punctuation alone are not words
};

// The names the CLI's --profile, settings.ini and the reports use.
std::string_view ProfileName(CountProfile profile);

// The profile of a name ("classic", "word", "segments"); nothing when the name is unknown.
std::optional<CountProfile> ParseProfile(std::string_view name);

}  // namespace tw
