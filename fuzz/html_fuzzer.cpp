// Feeds arbitrary bytes to the HTML reader and to the word and segments profiles: each must give
// counts, never crash or hang, and the blocks never hold more text than the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "counting/ProfileScanner.h"
#include "formats/html/HtmlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tw::Document document = tw::ParseHtml(text);
  for (const tw::TextPiece& piece : document.pieces) {
    for (const tw::CountProfile profile : {tw::CountProfile::Word, tw::CountProfile::Segments}) {
      const tw::FileCounts counts = tw::ProfileCounts(piece.text, profile);
      if (counts.words < 0 || counts.characters < 0 || counts.spaces < 0) std::abort();
    }
  }
  // The raw bytes as UTF-16 units, lone surrogates and all.
  const std::u16string_view units(reinterpret_cast<const char16_t*>(data), size / 2);
  const tw::FileCounts counts = tw::ProfileCounts(units, tw::CountProfile::Segments);
  if (counts.CharactersWithSpaces() > static_cast<int64_t>(units.size())) std::abort();
  return 0;
}
