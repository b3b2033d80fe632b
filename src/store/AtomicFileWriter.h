#pragma once

#include <string>
#include <string_view>

namespace tw {

// Replaces a file as a whole: the bytes go to a temporary file beside the target, which is
// flushed, synced and then renamed over the target. A crash or a failed step leaves either the
// old file or the new one, never half of one; on failure the temporary file is removed.
//
//   AtomicFileWriter writer(path);
//   if (writer.Open() && writer.Write(bytes) && writer.Commit()) { ... }
//
// A writer destroyed without a successful Commit removes its temporary file. A target that is a
// symbolic link is replaced where the link points.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string targetPath);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Creates the temporary file in the target's folder.
  bool Open();
  // Appends bytes to the temporary file (all of them, or fails).
  bool Write(std::string_view bytes);
  // Flushes and syncs the temporary file, renames it over the target and syncs the folder.
  bool Commit();

  // Why the last step failed ("" when none did), for messages and logs.
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const char* step);
  void Discard();

  std::string targetPath_;
  std::string tempPath_;
  int fd_ = -1;
  std::string error_;
};

// Open, Write and Commit in one call.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

}  // namespace tw
