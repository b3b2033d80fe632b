#pragma once

#include <cstdint>
#include <span>

#include "counting/CountTotals.h"
#include "counting/HtmlScanner.h"
#include "counting/Utf8BlockScan.h"
#include "counting/WordScanner.h"
#include "text/CharacterClass.h"

namespace tw {

FileCounts ScanBytesFollowedBy(std::span<const uint8_t> bytes, uint8_t next,
                               bool extraSymbolsAsWords);

// What TextScanStream needs of a count: a scan of bytes judged by the byte table, a scan of
// decoded code points, and the code-point scan that carries on where a byte scan stands (text
// that turns out to need decoding after a plain ASCII start).

// The plain-text rules: bytes are scanned a block at a time.
struct PlainTextPolicy {
  class Bytes {
   public:
    explicit Bytes(bool extraSymbolsAsWords) : extra_(extraSymbolsAsWords) {}
    // The last byte of a piece waits for the next piece: whether it ends a word depends on it.
    void Feed(std::span<const uint8_t> piece) {
      if (piece.empty()) return;
      if (hasLast_) counts_ += ScanBytesFollowedBy({&last_, 1}, piece[0], extra_);
      counts_ += ScanBytesFollowedBy(piece.first(piece.size() - 1), piece.back(), extra_);
      last_ = piece.back();
      hasLast_ = true;
    }
    FileCounts Finish() {
      if (hasLast_) counts_ += ScanBytesFollowedBy({&last_, 1}, 0, extra_);
      hasLast_ = false;
      return counts_;
    }
    WordScanner ContinueByCodePoint() const {
      WordScanner words(extra_, counts_);
      if (hasLast_) words.Feed(ClassifyByte(last_));
      return words;
    }

   private:
    bool extra_;
    bool hasLast_ = false;
    uint8_t last_ = 0;
    FileCounts counts_;
  };

  class Points {
   public:
    Points(WordScanner words, bool extraSymbolsAsWords)
        : words_(words), blocks_(extraSymbolsAsWords) {}
    void operator()(char32_t cp) {
      words_.Feed(cp < 0x10000 ? basicPlane_[cp] : ClassifyCodePoint(cp));
    }
    // For the UTF-8 decoder: counts whole windows of p[0, n) at once where the block scan can;
    // how many bytes it counted.
    size_t TakeUtf8Run(const uint8_t* p, size_t n, bool& sawMultiByte) {
      Utf8BlockState state{words_.Counts(), words_.InWord(), false};
      const size_t taken = blocks_.Scan(p, n, state);
      words_.Resume(state.counts, state.inWord);
      sawMultiByte |= state.sawMultiByte;
      return taken;
    }
    FileCounts Finish() { return words_.Finish(); }

   private:
    WordScanner words_;
    Utf8BlockScan blocks_;
    const CharClass* basicPlane_ = BasicPlaneClasses();
  };

  Bytes MakeBytes() const { return Bytes(extraSymbolsAsWords); }
  // Plain text is only ever cut just after a line feed, where no word or character runs on.
  template <class Reading>
  static bool AtRest(const Reading&) {
    return true;
  }
  Points MakePoints() const {
    return Points(WordScanner(extraSymbolsAsWords), extraSymbolsAsWords);
  }
  Points ContinueByCodePoint(const Bytes& bytes) const {
    return Points(bytes.ContinueByCodePoint(), extraSymbolsAsWords);
  }

  bool extraSymbolsAsWords = false;
};

// The HTML rules: markup and entities are followed character by character.
struct HtmlPolicy {
  class Bytes {
   public:
    void Feed(std::span<const uint8_t> piece) {
      html_.FeedBytes(piece.data(), piece.data() + piece.size(), bytes_);
    }
    FileCounts Finish() { return html_.Finish(); }
    const HtmlScanner& Scanner() const { return html_; }

   private:
    HtmlScanner html_;
    const CharClass* bytes_ = BasicPlaneClasses();  // the byte table is its first 256 entries
  };

  class Points {
   public:
    explicit Points(HtmlScanner html) : html_(html) {}
    const HtmlScanner& Scanner() const { return html_; }
    void operator()(char32_t cp) {
      html_.Feed(cp, cp < 0x10000 ? basicPlane_[cp] : ClassifyCodePoint(cp));
    }
    FileCounts Finish() { return html_.Finish(); }

   private:
    HtmlScanner html_;
    const CharClass* basicPlane_ = BasicPlaneClasses();
  };

  Bytes MakeBytes() const { return {}; }
  Points MakePoints() const { return Points(HtmlScanner()); }
  template <class Reading>
  static bool AtRest(const Reading& reading) {
    return reading.Scanner().AtRest();
  }
  Points ContinueByCodePoint(const Bytes& bytes) const { return Points(bytes.Scanner()); }
};

}  // namespace tw
