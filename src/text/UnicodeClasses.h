#pragma once

#include "text/CharacterClass.h"

namespace tw {

// A code point's class from ICU's character properties, as characters above U+00FF are judged.
// The basic plane's are worked out once, by the build (tools/BasicPlaneRuns.cpp), so only the
// planes above it ask ICU while counting.
CharClass UnicodeClassOf(char32_t codePoint);

}  // namespace tw
