#pragma once

#include "counting/Counter.h"
#include "text/WholeFileReader.h"

namespace tw {

// The shared part of the counters that read each file themselves and scan its bytes: the text and
// the HTML counter. A file that cannot be opened, allocated or read is reported and skipped; the
// files after it are still counted.
class ByteFileCounter : public Counter {
 protected:
  using Counter::Counter;

  FileOutcome CountFile(const std::string& path) final;
  virtual ReadStatus ScanFile(const std::string& path, FileCounts& counts) = 0;
};

}  // namespace tw
