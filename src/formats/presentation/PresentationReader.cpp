#include "formats/presentation/PresentationReader.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>

#include "formats/container/ContainerError.h"
#include "formats/opendocument/OdfPackage.h"
#include "formats/opendocument/OdpReader.h"
#include "formats/presentation/PptReader.h"
#include "formats/presentation/PptxReader.h"

namespace tw {
namespace {

enum class FileKind { Zip, CompoundFile, Other };

// By content, not by name: a .ppt saved under a .pptx name still opens.
FileKind SniffFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw ContainerError(std::string("the file cannot be opened (") + std::strerror(errno) + ")");
  std::array<unsigned char, 8> head{};
  in.read(reinterpret_cast<char*>(head.data()), head.size());
  static constexpr std::array<unsigned char, 8> kCompound = {0xD0, 0xCF, 0x11, 0xE0,
                                                             0xA1, 0xB1, 0x1A, 0xE1};
  if (in.gcount() >= 4 && head[0] == 'P' && head[1] == 'K') return FileKind::Zip;
  if (in.gcount() == 8 && head == kCompound) return FileKind::CompoundFile;
  return FileKind::Other;
}

Document ReadPresentationFile(const std::string& path) {
  switch (SniffFile(path)) {
    case FileKind::Zip:
      if (IsOpenDocumentPackage(path)) return ReadOdpDocument(path);
      return powerpoint::ReadPptx(path);
    case FileKind::CompoundFile:
      return powerpoint::ReadPpt(path);
    case FileKind::Other:
      if (IsFlatOpenDocument(path)) return ReadOdpDocument(path);
      break;
  }
  throw ContainerError("not a PowerPoint presentation");
}

}  // namespace

ReadResult ReadPresentation(const std::string& path) {
  try {
    return ReadPresentationFile(path);
  } catch (const std::bad_alloc&) {
    return ReaderError("not enough memory to open " + path);
  } catch (const std::exception& error) {
    return ReaderError("cannot open " + path + ": " + error.what());
  }
}

}  // namespace tw
