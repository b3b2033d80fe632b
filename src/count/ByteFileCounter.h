#pragma once

#include <span>

#include "count/Counter.h"

namespace tw {

// The shared part of the counters that read each file whole and scan its bytes: the text and the
// HTML counter. A file that cannot be opened, allocated or read is reported and skipped; the
// files after it are still counted.
class ByteFileCounter : public Counter {
 protected:
  using Counter::Counter;

  FileOutcome CountFile(const std::string& path) final;
  virtual FileCounts Scan(std::span<const uint8_t> bytes) = 0;
};

}  // namespace tw
