#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/Application.h"
#include "automation/word/model/Document.h"
#include "automation/word/model/Documents.h"
#include "automation/word/model/HeaderFooter.h"
#include "automation/word/model/HeadersFooters.h"
#include "automation/word/model/OpenArguments.h"
#include "automation/word/model/Range.h"
#include "automation/word/model/Section.h"
#include "automation/word/model/Sections.h"
#include "automation/word/model/Shape.h"
#include "automation/word/model/Shapes.h"
#include "automation/word/model/TextFrame.h"

// The members of Word's object model that the Word counter drives. Our own engine implements
// them over the document model; tests put recording fakes in their place. Every member that
// fails throws AutomationError with source "Word". Objects handed out are owned by the caller,
// as automation references are; they keep what they refer to alive.
namespace tw::word {

// Word's enumeration of document statistics, for the ones the counter asks for.
enum Statistic : int {
  kStatisticWords = 0,
  kStatisticLines = 1,
  kStatisticCharacters = 3,
  kStatisticCharactersWithSpaces = 5,
};

inline constexpr int kWindowStateMinimize = 2;
inline constexpr int kHeaderFooterPrimary = 1;

}  // namespace tw::word

namespace tw {
using WordApplication = word::Application;
}  // namespace tw
