#pragma once

namespace tw {

// Bounds on a reader helper process. A damaged or hostile document costs at most these.
struct ReaderLimits {
  int idleTimeoutMs = 30000;                       // silence from the helper before it is ended
  unsigned long cpuSeconds = 300;                  // processor time for one document
  unsigned long addressSpaceBytes = 2048ul << 20;  // memory of the helper
};

}  // namespace tw
