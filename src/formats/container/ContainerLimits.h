#pragma once

#include <cstddef>

namespace tw {

// Bounds on what an untrusted document may make us inflate or read.
struct ContainerLimits {
  size_t maxEntryBytes = size_t{256} << 20;  // one inflated ZIP entry or compound-file stream
  size_t maxTotalBytes = size_t{1} << 30;    // everything inflated from one package
  size_t maxRatio =
      2000;  // inflated : compressed, for entries over 1 MiB (deflate tops out near 1030)
  size_t ratioCheckFrom = size_t{1} << 20;
  int maxXmlDepth = 256;  // element nesting a reader walks into
};

}  // namespace tw
