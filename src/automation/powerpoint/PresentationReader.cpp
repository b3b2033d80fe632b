#include "automation/powerpoint/PresentationReader.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "automation/container/ContainerError.h"
#include "automation/powerpoint/PptReader.h"
#include "automation/powerpoint/PptxReader.h"

namespace tw::powerpoint {
namespace {

enum class FileKind { Zip, CompoundFile, Other };

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

}  // namespace

PresentationModel ReadPresentation(const std::string& path) {
  switch (SniffFile(path)) {
    case FileKind::Zip:
      return ReadPptx(path);
    case FileKind::CompoundFile:
      return ReadPpt(path);
    case FileKind::Other:
      break;
  }
  throw ContainerError("not a PowerPoint presentation");
}

}  // namespace tw::powerpoint
