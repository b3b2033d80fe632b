#pragma once

// The HTML window scan's steps that do not depend on the vector unit. Included by the
// translation unit of each width only; everything here has internal linkage, so each unit keeps
// the copy compiled for its own instruction set.
#include <cstddef>
#include <cstdint>

#include "counting/HtmlWindowScan.h"

namespace tw {
namespace {

// The window's bytes of one kind, a bit each.
struct WindowBytes {
  uint64_t lt, gt, amp, semicolon, aboveBlank, spaceOrTab;
};

// Bits from `from` up to, not including, `to` (both at most 64).
uint64_t Between(unsigned from, unsigned to) {
  if (from >= to) return 0;
  const uint64_t below = to >= 64 ? ~uint64_t{0} : (uint64_t{1} << to) - 1;
  return below & ~((uint64_t{1} << from) - 1);
}

// Which bytes are text the scan judges (visible) and which belong to an entity (transparent:
// they leave the word as it is); the rest is markup, which ends a word. Follows the delimiters
// as the character scan does, carrying its modes across windows.
struct WindowParts {
  uint64_t visible = 0, transparent = 0;
};

WindowParts FollowDelimiters(const WindowBytes& w, HtmlWindowState& state) {
  WindowParts parts;
  const auto assign = [&](uint64_t bits) {
    if (!state.textMode) return;
    (state.entity ? parts.transparent : parts.visible) |= bits;
  };
  unsigned from = 0;
  for (uint64_t delimiters = w.lt | w.gt | w.amp | w.semicolon; delimiters != 0;
       delimiters &= delimiters - 1) {
    const unsigned at = static_cast<unsigned>(__builtin_ctzll(delimiters));
    const uint64_t bit = uint64_t{1} << at;
    assign(Between(from, at));
    from = at + 1;
    if ((w.lt & bit) != 0) {
      state.textMode = false;
    } else if ((w.gt & bit) != 0) {
      if (!state.textMode) {
        state.textMode = true;
      } else {
        assign(bit);
      }
    } else if ((w.amp & bit) != 0) {
      if (state.textMode) {
        parts.transparent |= bit;
        state.entity = true;
      }
    } else if (state.textMode && state.entity) {  // the semicolon that ends an entity
      parts.transparent |= bit;
      state.entity = false;
    } else {
      assign(bit);
    }
  }
  assign(Between(from, 64));
  return parts;
}

// Counts the window's text as the character scan does: a byte above 0x20 is a word character,
// a space or tab right after one is counted, and a word ends at a blank or at markup; entity
// bytes in between are passed over.
void CountText(const WindowBytes& w, const WindowParts& parts, HtmlWindowState& state) {
  const uint64_t word = parts.visible & w.aboveBlank;
  const uint64_t carriedIn = state.inWord ? 1 : 0;
  // An entity's bytes take the word state of the byte before them: adding a run's first bit to
  // the run clears exactly that run.
  const uint64_t t = parts.transparent;
  const uint64_t runStarts = t & ~(t << 1);
  const uint64_t inheriting = runStarts & ((word << 1) | carriedIn);
  const uint64_t inWordAt = word | (t & ~(t + inheriting));
  const uint64_t before = (inWordAt << 1) | carriedIn;
  const uint64_t carriedOut = inWordAt >> 63;
  // Words are counted where they close: those started here, less the one still open at the
  // end, plus the one open at the start.
  state.counts.words += __builtin_popcountll(word & ~before) + static_cast<int64_t>(carriedIn) -
                        static_cast<int64_t>(carriedOut);
  state.counts.characters += __builtin_popcountll(word);
  state.counts.spaces += __builtin_popcountll(parts.visible & w.spaceOrTab & before);
  state.inWord = carriedOut != 0;
}

// Bit i of the result is the parity of bits 0 to i of x.
uint64_t PrefixParity(uint64_t x) {
  for (unsigned shift = 1; shift < 64; shift *= 2) x ^= x << shift;
  return x;
}

// The window's parts without following the delimiters one by one, for the usual window in which
// every "<" opens markup and every ">" closes it, and every "&" in text opens an entity that a
// ";" closes before the next markup. False, with nothing changed, for any other window.
bool SplitWellFormed(const WindowBytes& w, HtmlWindowState& state, WindowParts& parts) {
  const uint64_t inMarkup = PrefixParity(w.lt | w.gt) ^ (state.textMode ? 0 : ~uint64_t{0});
  if ((w.lt & ~inMarkup) != 0 || (w.gt & inMarkup) != 0) return false;
  const uint64_t text = ~(inMarkup | w.gt);
  const uint64_t entityEdges = (w.amp | w.semicolon) & text;
  uint64_t transparent = 0;
  bool entityAfter = false;
  if (state.entity || entityEdges != 0) {
    const uint64_t inEntity = PrefixParity(entityEdges) ^ (state.entity ? ~uint64_t{0} : 0);
    const bool alternate = (w.amp & text & ~inEntity) == 0 && (w.semicolon & text & inEntity) == 0;
    if (!alternate || (inEntity & ~text) != 0) return false;
    transparent = (inEntity | (w.semicolon & text)) & text;
    entityAfter = (inEntity >> 63) != 0;
  }
  parts.transparent = transparent;
  parts.visible = text & ~transparent;
  state.textMode = (inMarkup >> 63) == 0;
  state.entity = entityAfter;
  return true;
}

// Counts p[0, n) in whole windows, each classified by `classify`; how many bytes that was.
template <class Classify>
size_t ScanWindows(const uint8_t* p, size_t n, HtmlWindowState& state, Classify classify) {
  size_t done = 0;
  for (; n - done >= 64; done += 64) {
    const WindowBytes w = classify(p + done);
    WindowParts parts;
    if (!SplitWellFormed(w, state, parts)) parts = FollowDelimiters(w, state);
    CountText(w, parts, state);
  }
  return done;
}

}  // namespace
}  // namespace tw
