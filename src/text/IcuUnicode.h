#pragma once

#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utext.h>

#include <memory>

namespace tw {

// ICU's character properties and break iterators, bound the first time a text needs one: a
// character above the basic plane, a profile that counts as word processors do or by Unicode's
// word boundaries, repetitions. A count of most texts needs none of them, and the programs start
// faster without mapping and relocating ICU's libraries.
struct IcuUnicode {
  decltype(&u_charType) charType;
  decltype(&u_isUWhiteSpace) isWhiteSpace;
  decltype(&u_isgraph) isGraphic;
  decltype(&u_ispunct) isPunctuation;
  decltype(&u_getIntPropertyValue) intPropertyValue;
  decltype(&uscript_getScript) script;
  decltype(&ubrk_open) openBreaks;
  decltype(&ubrk_close) closeBreaks;
  decltype(&ubrk_setText) setBreaksText;
  decltype(&ubrk_setUText) setBreaksUText;
  decltype(&ubrk_first) firstBreak;
  decltype(&ubrk_next) nextBreak;
  decltype(&ubrk_getRuleStatus) breakRuleStatus;
  decltype(&utext_openUChars) openUnitsText;
  decltype(&utext_close) closeText;
};

// The bound functions. ICU is part of every installation; a program that cannot load it says so
// on its error output and ends, as no character could be judged.
const IcuUnicode& Icu();

struct CloseBreaks {
  void operator()(UBreakIterator* breaks) const { Icu().closeBreaks(breaks); }
};
using UniqueBreaks = std::unique_ptr<UBreakIterator, CloseBreaks>;

// A break iterator of `type` by the root locale's rules; null when ICU cannot make one.
UniqueBreaks OpenRootBreaks(UBreakIteratorType type);

}  // namespace tw
