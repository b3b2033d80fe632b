#include "formats/container/ZipPackage.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "formats/container/ContainerError.h"

namespace tw {
namespace {

constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kLocalHeaderBytes = 30;

std::string FoldCase(std::string name) {
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

uint32_t Crc32(const std::string& data) {
  return libdeflate_crc32(0, data.data(), data.size());
}

struct InflateEnd {
  void operator()(z_stream* stream) const { inflateEnd(stream); }
};

}  // namespace

void ZipPackage::DecompressorFree::operator()(libdeflate_decompressor* decompressor) const {
  libdeflate_free_decompressor(decompressor);
}

ZipPackage::ZipPackage(const std::string& path, ContainerLimits limits) : limits_(limits) {
  if (!file_.Open(path)) {
    throw ContainerError("not a readable ZIP package (" + RegularFile::OpenFailureReason(path) +
                         ")");
  }
  entries_ = ReadZipDirectory(file_);
  for (size_t i = 0; i < entries_.size(); ++i) byFoldedName_.emplace(FoldCase(entries_[i].name), i);
}

ZipPackage::~ZipPackage() = default;

bool ZipPackage::Has(const std::string& name) const {
  return byFoldedName_.count(FoldCase(name)) != 0;
}

const ZipEntry& ZipPackage::Find(const std::string& name) const {
  const auto found = byFoldedName_.find(FoldCase(name));
  if (found == byFoldedName_.end()) throw ContainerError("the package has no part " + name);
  return entries_[found->second];
}

// The entry's bytes as stored, after its local header (whose other fields many writers leave
// disagreeing with the directory in harmless ways, so only its lengths are taken).
std::string ZipPackage::Compressed(const ZipEntry& entry) const {
  const std::string damaged = "damaged package entry " + entry.name;
  uint8_t header[kLocalHeaderBytes];
  if (file_.ReadAt(header, sizeof header, entry.localHeaderOffset) !=
      static_cast<long>(sizeof header)) {
    throw ContainerError(damaged);
  }
  const auto field = [&header](size_t at, size_t width) {
    return LittleEndianField(header, at, width);
  };
  if (field(0, 4) != kLocalSignature) throw ContainerError(damaged);
  const uint64_t dataOffset =
      entry.localHeaderOffset + kLocalHeaderBytes + field(26, 2) + field(28, 2);
  if (dataOffset > file_.Size() || entry.compressedSize > file_.Size() - dataOffset) {
    throw ContainerError(damaged + " (it runs past the end of the file)");
  }
  std::string compressed(static_cast<size_t>(entry.compressedSize), '\0');
  if (file_.ReadAt(reinterpret_cast<uint8_t*>(compressed.data()), compressed.size(), dataOffset) !=
      static_cast<long>(compressed.size())) {
    throw ContainerError(damaged);
  }
  return compressed;
}

std::string ZipPackage::Read(const std::string& name) {
  const ZipEntry& entry = Find(name);
  if (entry.Encrypted() || (entry.method != kStored && entry.method != kDeflated)) {
    throw ContainerError("cannot open package entry " + name + " (encrypted or damaged)");
  }
  // A size the directory admits to is refused before anything inflates; a size it hides is
  // caught by the checks on what inflates.
  const std::string beyond = "package entry " + name + " inflates beyond the allowed size";
  if (entry.size > limits_.maxEntryBytes || entry.size > limits_.maxTotalBytes - inflatedSoFar_) {
    throw ContainerError(beyond);
  }
  if (entry.size > limits_.ratioCheckFrom &&
      entry.size / (entry.compressedSize + 1) > limits_.maxRatio) {
    throw ContainerError("package entry " + name + " inflates suspiciously (compression bomb)");
  }
  // Deflate never grows data by more than a few bytes in a thousand: a larger entry cannot
  // inflate within the limit, and reading it would take as much memory as it claims.
  if (entry.compressedSize > limits_.maxEntryBytes + limits_.maxEntryBytes / 256 + 4096 ||
      (entry.method == kStored && entry.compressedSize != entry.size)) {
    throw ContainerError(entry.method == kStored ? "damaged package entry " + name : beyond);
  }
  const std::string compressed = Compressed(entry);
  std::string data;
  if (entry.method == kStored) {
    data = compressed;
  } else {
    data.resize(static_cast<size_t>(entry.size));
    if (!InflateWhole(compressed, data)) data = InflateBounded(entry, compressed);
  }
  inflatedSoFar_ += data.size();
  if (data.size() != entry.size || Crc32(data) != entry.crc) {
    throw ContainerError("damaged package entry " + name + " (bad data or CRC)");
  }
  return data;
}

// Inflates into `data`, sized as the directory says; false when the data does not fill it
// exactly (a damaged entry, or sizes that lie).
bool ZipPackage::InflateWhole(const std::string& compressed, std::string& data) {
  if (!decompressor_) decompressor_.reset(libdeflate_alloc_decompressor());
  if (!decompressor_) return false;
  return libdeflate_deflate_decompress(decompressor_.get(), compressed.data(), compressed.size(),
                                       data.data(), data.size(), nullptr) == LIBDEFLATE_SUCCESS;
}

// Inflates a piece at a time, trusting none of the sizes in the archive: the limits are checked
// on what actually inflates.
std::string ZipPackage::InflateBounded(const ZipEntry& entry, const std::string& compressed) {
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
  const std::unique_ptr<z_stream, InflateEnd> owner(&stream);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(std::min<size_t>(compressed.size(), UINT32_MAX));
  std::string data;
  char buffer[65536];
  for (;;) {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    const int status = inflate(&stream, Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END) break;  // damaged: the CRC check says so
    data.append(buffer, sizeof buffer - stream.avail_out);
    if (data.size() > limits_.maxEntryBytes ||
        data.size() > limits_.maxTotalBytes - inflatedSoFar_) {
      throw ContainerError("package entry " + entry.name + " inflates beyond the allowed size");
    }
    if (data.size() > limits_.ratioCheckFrom &&
        data.size() / (entry.compressedSize + 1) > limits_.maxRatio) {
      throw ContainerError("package entry " + entry.name +
                           " inflates suspiciously (compression bomb)");
    }
    if (status == Z_STREAM_END || (stream.avail_out != 0 && stream.avail_in == 0)) break;
  }
  return data;
}

}  // namespace tw
