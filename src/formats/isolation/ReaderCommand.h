#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/isolation/ReaderLimits.h"

namespace tw {

// The command line of the reader helper program, as the reading side writes it and the program
// reads it back: the limits the program puts on itself before it reads any document.
struct ReaderCommand {
  // How the program ends when its output cannot say why it stopped.
  enum Exit : int { kDone = 0, kUsage = 2, kOutOfMemory = 3 };

  // Test builds only: "how:name" makes the program fail on purpose ("crash", "hang", "spin",
  // "hog", "garbage") when it is asked for a file called `name`, so the reading side's defences
  // can be tried on one file of a batch. Other builds ignore it.
  static constexpr char kFailureVariable[] = "TALLYWRIGHT_READER_TEST_FAILURE";

  unsigned long cpuSeconds = 0;
  unsigned long addressSpaceBytes = 0;

  static ReaderCommand For(const ReaderLimits& limits);

  // The program's arguments after its own name.
  std::vector<std::string> Arguments() const;
  // The command back from those arguments; nothing when they are not such a command.
  static std::optional<ReaderCommand> Parse(const std::vector<std::string>& arguments);
};

}  // namespace tw
