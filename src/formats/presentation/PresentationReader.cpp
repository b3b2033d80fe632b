#include "formats/presentation/PresentationReader.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>

#include "formats/container/ContainerError.h"
#include "formats/presentation/PptReader.h"
#include "formats/presentation/PptxReader.h"

namespace tw {
using namespace powerpoint;
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

void AddSlideShape(Document& document, const ShapeModel& shape, int slide, int depth) {
  if (shape.type == kShapeGroup) {
    for (const ShapeModel& item : shape.groupItems) AddSlideShape(document, item, slide, depth + 1);
    return;
  }
  if (shape.type == kShapeTable) {
    for (const ShapeModel& cell : shape.tableCells) AddSlideShape(document, cell, slide, depth);
    return;
  }
  if (shape.hasTextFrame) document.Add(PieceKind::SlideShape, shape.text, slide).groupDepth = depth;
}

Document ToDocument(const PresentationModel& model) {
  Document document;
  for (size_t i = 0; i < model.slides.size(); ++i) {
    const int slide = static_cast<int>(i);
    for (const ShapeModel& shape : model.slides[i].shapes) AddSlideShape(document, shape, slide, 0);
    document.Add(PieceKind::SlideFooter, model.slides[i].footer, slide);
  }
  document.hasTitleMaster = model.hasTitleMaster;
  for (const ShapeModel& shape : model.titleMasterShapes) {
    if (shape.hasTextFrame) document.Add(PieceKind::TitleMaster, shape.text);
  }
  return document;
}

PresentationModel ReadPresentationModel(const std::string& path) {
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

}  // namespace

ReadResult ReadPresentation(const std::string& path) {
  try {
    return ToDocument(ReadPresentationModel(path));
  } catch (const std::bad_alloc&) {
    return ReaderError("not enough memory to open " + path);
  } catch (const std::exception& error) {
    return ReaderError("cannot open " + path + ": " + error.what());
  }
}

}  // namespace tw
