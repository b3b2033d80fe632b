#pragma once

#include <string>
#include <utility>
#include <vector>

#include "counting/CountTotals.h"
#include "counting/TextSegments.h"

namespace tw {

// What counting one file came to: its counts, the message the user is told instead, or a stop
// request honoured inside the file (the file then stays uncounted and its batch ends).
struct FileCountResult {
  enum class Status { Counted, Failed, Stopped };

  Status status = Status::Counted;
  FileCounts counts;
  std::string message;
  // The counted text's segments in reading order, when repetitions are looked for. The count
  // job resolves them in run order, so where and when the file was counted does not matter.
  std::vector<SegmentWords> segments;

  static FileCountResult Counted(const FileCounts& counts) {
    return {Status::Counted, counts, {}, {}};
  }
  static FileCountResult Failed(std::string message) {
    return {Status::Failed, {}, std::move(message), {}};
  }
  static FileCountResult Stopped() { return {Status::Stopped, {}, {}, {}}; }
};

}  // namespace tw
