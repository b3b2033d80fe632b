#pragma once

#include <cstdint>
#include <string>

namespace tw::powerpoint {

// The text of a text frame.
class TextRange {
 public:
  virtual ~TextRange() = default;
  // Paragraphs joined by "\r", line breaks inside a paragraph as "\v".
  virtual std::u16string Text() = 0;
};

}  // namespace tw::powerpoint
