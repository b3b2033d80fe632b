#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/container/ContainerLimits.h"

struct _GsfInfile;

namespace tw {

// A read-only OLE2 compound file (doc, ppt) over libgsf.
class CompoundFile {
 public:
  // Throws ContainerError when the file is not a readable compound file.
  explicit CompoundFile(const std::string& path, ContainerLimits limits = {});
  ~CompoundFile();
  CompoundFile(const CompoundFile&) = delete;
  CompoundFile& operator=(const CompoundFile&) = delete;

  // Stream names compare with ASCII letters case-folded, as the compound-file format does; a
  // name "Storage/Stream" reaches into a storage.
  bool HasStream(const std::string& name) const;
  // The whole stream; throws ContainerError when missing, unreadable or too large.
  std::vector<uint8_t> ReadStream(const std::string& name) const;

 private:
  struct InfileUnref {
    void operator()(_GsfInfile* infile) const;
  };
  std::unique_ptr<_GsfInfile, InfileUnref> root_;
  ContainerLimits limits_;
};

}  // namespace tw
