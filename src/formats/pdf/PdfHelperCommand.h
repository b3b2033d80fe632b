#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/pdf/PdfHelperLimits.h"

namespace tw {

// The command line of the PDF helper program, as the reading side writes it and the program reads
// it back: the document and the limits the program puts on itself before it touches the document.
struct PdfHelperCommand {
  // How the program ends when its output cannot say why it stopped.
  enum Exit : int { kDone = 0, kUsage = 2, kOutOfMemory = 3 };

  // For tests only: names a way for the program to fail on purpose once it has sent its header
  // ("crash", "hang", "spin", "hog", "garbage"), so the reading side's defences can be tried.
  static constexpr char kFailureVariable[] = "TALLYWRIGHT_PDF_READER_TEST_FAILURE";

  std::string path;
  unsigned long cpuSeconds = 0;
  unsigned long addressSpaceBytes = 0;

  static PdfHelperCommand For(const std::string& path, const PdfHelperLimits& limits);

  // The program's arguments after its own name.
  std::vector<std::string> Arguments() const;
  // The command back from those arguments; nothing when they are not such a command.
  static std::optional<PdfHelperCommand> Parse(const std::vector<std::string>& arguments);
};

}  // namespace tw
