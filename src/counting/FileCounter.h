#pragma once

#include <string>

#include "counting/CountOptions.h"
#include "counting/FileCountResult.h"
#include "counting/FileTypes.h"
#include "formats/isolation/DocumentReader.h"

namespace tw {

// Counts one file of a batch of `kind`: plain text and HTML straight from their bytes in this
// process, every other document as `reader` reads it (in this process, or in a reader helper).
// A large plain-text or HTML file may be cut across `threads` threads.
FileCountResult CountFileOfBatch(CounterKind kind, const std::string& path,
                                 const CountOptions& options, const StopFlag& stop,
                                 DocumentReader& reader, int threads = 1);

}  // namespace tw
