#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/container/CompoundFileSource.h"
#include "formats/container/ContainerLimits.h"

namespace tw {

// A read-only OLE2 compound file (doc, ppt, xls) over libgsf, through the compound-file module
// (loaded on first use).
class CompoundFile {
 public:
  // Throws ContainerError when the file is not a readable compound file.
  explicit CompoundFile(const std::string& path, ContainerLimits limits = {});

  // Stream names compare with ASCII letters case-folded, as the compound-file format does; a
  // name "Storage/Stream" reaches into a storage.
  bool HasStream(const std::string& name) const { return source_->HasStream(name); }
  // The whole stream; throws ContainerError when missing, unreadable or too large.
  std::vector<uint8_t> ReadStream(const std::string& name) const {
    return source_->ReadStream(name, limits_.maxEntryBytes);
  }

 private:
  std::unique_ptr<CompoundFileSource> source_;
  ContainerLimits limits_;
};

}  // namespace tw
