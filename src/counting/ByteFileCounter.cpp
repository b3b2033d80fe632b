#include "counting/ByteFileCounter.h"

namespace tw {

FileOutcome ByteFileCounter::CountFile(const std::string& path) {
  FileCounts counts;
  switch (ScanFile(path, counts)) {
    case ReadStatus::OpenFailed:
      ShowMessage("Couldn't open file: " + path);
      return FileOutcome::Skipped;
    case ReadStatus::AllocationFailed:
      ShowMessage("Couldn't allocate memory for read buffer");
      return FileOutcome::Skipped;
    case ReadStatus::ReadFailed:
      ShowMessage("File read error!");
      return FileOutcome::Skipped;
    case ReadStatus::Ok:
      break;
  }
  Counts() = counts;
  return FileOutcome::Counted;
}

}  // namespace tw
