#pragma once

#include <cstdint>
#include <string>

namespace tw::powerpoint {

// One of a slide's header and footer texts.
class HeaderFooter {
 public:
  virtual ~HeaderFooter() = default;
  virtual std::u16string Text() = 0;
};

}  // namespace tw::powerpoint
