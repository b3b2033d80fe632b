#include "formats/container/ZipPackage.h"

#include <zip.h>

#include "formats/container/ContainerError.h"

namespace tw {
namespace {

struct EntryCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

void ZipPackage::ArchiveCloser::operator()(zip* archive) const {
  zip_discard(archive);
}

ZipPackage::ZipPackage(const std::string& path, ContainerLimits limits) : limits_(limits) {
  int error = 0;
  // No ZIP_CHECKCONS: many writers leave local headers that disagree with the central directory
  // in harmless fields (times, flags). Read() checks every entry's CRC as it inflates instead.
  archive_.reset(zip_open(path.c_str(), ZIP_RDONLY, &error));
  if (!archive_) {
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, error);
    const std::string reason = zip_error_strerror(&zipError);
    zip_error_fini(&zipError);
    throw ContainerError("not a readable ZIP package (" + reason + ")");
  }
}

ZipPackage::~ZipPackage() = default;

bool ZipPackage::Has(const std::string& name) const {
  return zip_name_locate(archive_.get(), name.c_str(), ZIP_FL_NOCASE) >= 0;
}

std::string ZipPackage::Read(const std::string& name) {
  const zip_int64_t index = zip_name_locate(archive_.get(), name.c_str(), ZIP_FL_NOCASE);
  if (index < 0) throw ContainerError("the package has no part " + name);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
    throw ContainerError("damaged package entry " + name);
  }
  // A size the directory admits to is refused before anything inflates; a size it hides is
  // caught by the checks on what inflates.
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size > limits_.maxEntryBytes) {
    throw ContainerError("package entry " + name + " inflates beyond the allowed size");
  }
  std::unique_ptr<zip_file_t, EntryCloser> entry(
      zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(index), 0));
  if (!entry) throw ContainerError("cannot open package entry " + name + " (encrypted or damaged)");

  // The sizes in the archive are not trusted: the limits are checked on what actually inflates.
  const size_t compressed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
  std::string data;
  char buffer[65536];
  for (;;) {
    const zip_int64_t got = zip_fread(entry.get(), buffer, sizeof buffer);
    if (got < 0) throw ContainerError("damaged package entry " + name + " (bad data or CRC)");
    if (got == 0) break;
    data.append(buffer, static_cast<size_t>(got));
    inflatedSoFar_ += static_cast<size_t>(got);
    if (data.size() > limits_.maxEntryBytes || inflatedSoFar_ > limits_.maxTotalBytes) {
      throw ContainerError("package entry " + name + " inflates beyond the allowed size");
    }
    if (data.size() > limits_.ratioCheckFrom && data.size() / (compressed + 1) > limits_.maxRatio) {
      throw ContainerError("package entry " + name + " inflates suspiciously (compression bomb)");
    }
  }
  return data;
}

}  // namespace tw
