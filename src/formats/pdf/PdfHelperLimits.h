#pragma once

namespace tw {

// Bounds on one helper process. A damaged or hostile PDF costs at most these.
struct PdfHelperLimits {
  int idleTimeoutMs = 30000;                       // silence from the helper before it is ended
  unsigned long cpuSeconds = 300;                  // processor time for one document
  unsigned long addressSpaceBytes = 2048ul << 20;  // memory for one document
};

}  // namespace tw
