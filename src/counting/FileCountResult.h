#pragma once

#include <string>
#include <utility>

#include "counting/CountTotals.h"

namespace tw {

// What counting one file came to: its counts, the message the user is told instead, or a stop
// request honoured inside the file (the file then stays uncounted and its batch ends).
struct FileCountResult {
  enum class Status { Counted, Failed, Stopped };

  Status status = Status::Counted;
  FileCounts counts;
  std::string message;

  static FileCountResult Counted(const FileCounts& counts) { return {Status::Counted, counts, {}}; }
  static FileCountResult Failed(std::string message) {
    return {Status::Failed, {}, std::move(message)};
  }
  static FileCountResult Stopped() { return {Status::Stopped, {}, {}}; }
};

}  // namespace tw
