#pragma once

#include <string>

#include "formats/isolation/DocumentFormat.h"

namespace tw {

// Reads documents for the counters. This one reads them in this process (the fastest way, for
// batch runs that need no protection); ReaderPool reads them in helper processes. Safe to call
// from several threads at once.
class DocumentReader {
 public:
  virtual ~DocumentReader() = default;
  virtual ReadResult Read(DocumentFormat format, const std::string& path, const StopFlag* stop) {
    return ReadInThisProcess(format, path, stop);
  }
  // How many threads beyond one per core may call Read at once with profit: a reader whose work
  // is done by other processes lets a thread count one document while another is being read.
  virtual int SpareReadingThreads() const { return 0; }
};

}  // namespace tw
