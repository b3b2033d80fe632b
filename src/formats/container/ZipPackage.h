#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "formats/container/ContainerLimits.h"
#include "formats/container/ZipDirectory.h"
#include "text/RegularFile.h"

struct libdeflate_decompressor;

namespace tw {

// A read-only ZIP package (docx, pptx, xlsx, odt, epub) with bounded inflation. Every entry is
// checked against its CRC.
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
  const ZipEntry& Find(const std::string& name) const;
  std::string Compressed(const ZipEntry& entry) const;
  bool InflateWhole(const std::string& compressed, std::string& data);
  std::string InflateBounded(const ZipEntry& entry, const std::string& compressed);

  struct DecompressorFree {
    void operator()(libdeflate_decompressor* decompressor) const;
  };
  RegularFile file_;
  std::vector<ZipEntry> entries_;
  std::unordered_map<std::string, size_t> byFoldedName_;  // the first entry of each name
  ContainerLimits limits_;
  size_t inflatedSoFar_ = 0;
  std::unique_ptr<libdeflate_decompressor, DecompressorFree> decompressor_;
};

}  // namespace tw
