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
};

}  // namespace tw
