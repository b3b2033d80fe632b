#pragma once

#include "counting/ByteFileCounter.h"

namespace tw {

// Counts HTML files, leaving out tags and character entities. Takes no option.
class HtmlCounter : public ByteFileCounter {
 public:
  HtmlCounter(CountHost& host, CountContext& context)
      : ByteFileCounter(CounterKind::Html, host, context) {}

 protected:
  ReadStatus ScanFile(const std::string& path, FileCounts& counts) override;
};

}  // namespace tw
