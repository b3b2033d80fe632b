#pragma once

#include <memory>
#include <string>

#include "formats/container/ContainerLimits.h"

struct zip;

namespace tw {

// A read-only ZIP package (docx, pptx) with bounded inflation. Every entry is read to its end,
// so its CRC is checked.
class ZipPackage {
 public:
  // Throws ContainerError when the file is not a readable ZIP archive.
  explicit ZipPackage(const std::string& path, ContainerLimits limits = {});
  ~ZipPackage();
  ZipPackage(const ZipPackage&) = delete;
  ZipPackage& operator=(const ZipPackage&) = delete;

  // Part names are compared without regard to case, as package part names are.
  bool Has(const std::string& name) const;
  // The whole inflated entry; throws ContainerError when it is missing, damaged or too large.
  std::string Read(const std::string& name);

 private:
  struct ArchiveCloser {
    void operator()(zip* archive) const;
  };
  std::unique_ptr<zip, ArchiveCloser> archive_;
  ContainerLimits limits_;
  size_t inflatedSoFar_ = 0;
};

}  // namespace tw
