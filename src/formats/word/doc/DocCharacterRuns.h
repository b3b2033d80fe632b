#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "formats/word/doc/DocBytes.h"

namespace tw {

// The two character properties that keep text out of the counts.
struct DocCharacterFlags {
  bool hidden = false;
  bool deleted = false;
  bool Suppressed() const { return hidden || deleted; }
};

class DocStyleSheet;

// Reads hidden text and deleted revision marks out of a list of character properties, applied
// over `flags`. A character style named in the list (looked up in `styles` when given) sets the
// hidden flag that the list's relative toggles refer to; `styleHidden` is that flag before it.
DocCharacterFlags ReadCharacterFlags(std::span<const uint8_t> properties,
                                     DocCharacterFlags flags = {},
                                     const DocStyleSheet* styles = nullptr,
                                     bool styleHidden = false);

// The character formatting runs of the WordDocument stream (the PlcfBteChpx and its 512-byte
// pages), reduced to where text is hidden or deleted. Positions are byte offsets in that stream.
class DocCharacterRuns {
 public:
  DocCharacterRuns() = default;
  // Reads the runs whose page table lies in `pageTable` of the table stream.
  DocCharacterRuns(const DocBytes& document, std::span<const uint8_t> pageTable,
                   const DocStyleSheet& styles);

  // Whether the character stored at byte offset `fc` is left out.
  bool Suppressed(uint32_t fc) const;

 private:
  struct Run {
    uint32_t fcStart;
    uint32_t fcEnd;
  };

  void ReadPage(const DocBytes& document, uint32_t pageNumber, const DocStyleSheet& styles);

  std::vector<Run> suppressed_;  // sorted by start, not overlapping
};

}  // namespace tw
