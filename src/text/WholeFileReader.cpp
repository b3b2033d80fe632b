#include "text/WholeFileReader.h"

#include "text/RegularFile.h"

namespace tw {

ReadStatus WholeFileReader::Read(const std::string& path) {
  RegularFile file;
  if (!file.Open(path)) return ReadStatus::OpenFailed;
  return Read(file);
}

ReadStatus WholeFileReader::Read(RegularFile& file) {
  buffer_.reset();
  size_ = 0;
  const size_t length = static_cast<size_t>(file.Size());
  buffer_.reset(static_cast<uint8_t*>(std::malloc(length + 1)));
  if (!buffer_) return ReadStatus::AllocationFailed;
  const long got = file.ReadFully(buffer_.get(), length);
  if (got < 0) return ReadStatus::ReadFailed;
  size_ = static_cast<size_t>(got);
  return ReadStatus::Ok;
}

}  // namespace tw
