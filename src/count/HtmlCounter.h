#pragma once

#include "count/ByteFileCounter.h"

namespace tw {

// Counts HTML files, leaving out tags and character entities. Takes no option.
class HtmlCounter : public ByteFileCounter {
 public:
  HtmlCounter(CountHost& host, CountContext& context)
      : ByteFileCounter(CounterKind::Html, host, context) {}

 protected:
  FileCounts Scan(std::span<const uint8_t> bytes) override;
};

}  // namespace tw
