#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/HeaderFooter.h"

namespace tw::powerpoint {

// A slide's headers and footers, of which the counter reads the footer.
class HeadersFooters {
 public:
  virtual ~HeadersFooters() = default;
  virtual std::unique_ptr<powerpoint::HeaderFooter> Footer() = 0;
};

}  // namespace tw::powerpoint
