#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tw {

// The character styles of a .doc file (its STSH), reduced to which of them hide their text, with
// each style's base styles taken into account. A damaged style sheet hides nothing: it is read as
// far as it goes, since hidden text by style is rare and the text itself is still readable.
class DocStyleSheet {
 public:
  DocStyleSheet() = default;
  explicit DocStyleSheet(std::span<const uint8_t> stsh);

  // Whether the character style `istd` makes its text hidden.
  bool Hidden(uint16_t istd) const { return istd < hidden_.size() && hidden_[istd]; }

 private:
  struct Style {
    uint16_t base = 0x0FFF;           // istdBase; 0x0FFF for none
    std::vector<uint8_t> properties;  // the style's own character properties
  };

  static std::vector<Style> ReadStyles(std::span<const uint8_t> stsh);
  static bool ResolveHidden(const std::vector<Style>& styles, uint16_t istd);

  std::vector<bool> hidden_;
};

}  // namespace tw
