#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

// An open compound file, as the compound-file module reads it. Failures throw ContainerError.
class CompoundFileSource {
 public:
  virtual ~CompoundFileSource() = default;
  // Stream names compare with ASCII letters case-folded; "Storage/Stream" reaches into a storage.
  virtual bool HasStream(const std::string& name) const = 0;
  // The whole stream; throws when missing, unreadable or larger than `maxBytes`.
  virtual std::vector<uint8_t> ReadStream(const std::string& name, uint64_t maxBytes) const = 0;
};

// The compound-file module's entry points (libtallywright-compound.so, function
// "tw_compound_file_module"). `open` hands over a source the caller owns, or throws.
struct CompoundFileModule {
  CompoundFileSource* (*open)(const std::string& path);
};

}  // namespace tw
