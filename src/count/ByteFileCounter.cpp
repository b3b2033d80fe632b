#include "count/ByteFileCounter.h"

#include "count/WholeFileReader.h"

namespace tw {

FileOutcome ByteFileCounter::CountFile(const std::string& path) {
  WholeFileReader reader;
  switch (reader.Read(path)) {
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
  Counts() = Scan(reader.Bytes());
  return FileOutcome::Counted;
}

}  // namespace tw
