#pragma once

#include <string>

#include "counting/CountProfile.h"

namespace tw {

// Content the product leaves out by default; each switch adds one kind of text back.
struct ContentSwitches {
  bool notes = false;     // speaker notes of every slide
  bool comments = false;  // review comments
  bool charts = false;    // chart titles, axis titles, category and series names
  bool diagrams = false;  // diagram (SmartArt) text
  bool hidden = false;    // hidden text and hidden slides
  bool operator==(const ContentSwitches&) const = default;
};

// The switches of the Options dialog.
struct CountOptions {
  bool headersAndFooters = false;    // "Count in headers and footers"
  bool extraSymbolsAsWords = false;  // "Treat extra symbols in txt files like a word"
  bool legacyByteRules = false;      // "Legacy byte rules": judge bytes / low bytes alone
  bool xliffTarget = false;          // bilingual files: count the target language, not the source
  ContentSwitches include;
  CountProfile profile = CountProfile::Classic;  // what a word and a character are
};

// The rate, currency and pricing mode new rows and recomputations take.
struct CurrentValues {
  std::string rate;
  std::string currency;
  std::string pricing;
};

}  // namespace tw
