#pragma once

#include <string>

namespace tw {

inline constexpr const char* kQuoteFieldsFileName = "quote-fields.txt";

// What the quote dialog remembers between quotes, as the user typed it.
struct QuoteFields {
  std::string issuer;       // who sends the quote (name, address), several lines
  std::string client;       // who it is for, several lines
  std::string quoteNumber;  // the last number given; the next quote proposes the one after
  std::string minimumFee;
  std::string discountPercent;
  std::string taxPercent;
  std::string notes;
  bool operator==(const QuoteFields&) const = default;
};

// The fields file in the folder of `settingsPath`: UTF-8 "Key=value" lines, line breaks inside a
// value written as \n (and a backslash as \\). A missing or unreadable file gives empty fields;
// unknown keys are passed over.
std::string QuoteFieldsPathBeside(const std::string& settingsPath);
QuoteFields LoadQuoteFields(const std::string& path);
// Atomic; false when the file could not be written (the old one stays).
bool SaveQuoteFields(const std::string& path, const QuoteFields& fields);

// The number after `last`: its last run of digits counted up with its width kept ("Q-2026-009"
// -> "Q-2026-010"), "1" for an empty one, `last` + "-2" when it has no digits.
std::string NextQuoteNumber(const std::string& last);

}  // namespace tw
