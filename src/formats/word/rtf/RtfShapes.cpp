#include "formats/word/rtf/RtfShapes.h"

#include <iterator>

#include "formats/word/WordText.h"
#include "formats/word/rtf/RtfTokenizer.h"

namespace tw {
namespace {

// A few bytes of RTF make a shape; the cap keeps a hostile file from turning a large input into
// many times its size in memory. Real documents stay far below it.
constexpr size_t kMaxShapes = 100000;

}  // namespace

void RtfShapes::Clear() {
  open_.clear();
  frames_.clear();
  count_ = 0;
}

void RtfShapes::Start(bool group, bool anchoredInBody) {
  if (++count_ > kMaxShapes) throw RtfError("it has too many shapes");
  Open& shape = open_.emplace_back();
  shape.anchoredInBody = anchoredInBody;
  if (group) shape.type = Type::Group;
}

bool RtfShapes::StartText() {
  if (open_.empty()) return false;
  open_.back().text = std::u16string();
  return true;
}

std::u16string* RtfShapes::Text() {
  if (open_.empty() || !open_.back().text) return nullptr;
  return &*open_.back().text;
}

void RtfShapes::SetType(const std::string& shapeType) {
  if (open_.empty() || open_.back().type == Type::Group) return;
  open_.back().type = shapeType == "202"  ? Type::TextBox
                      : shapeType == "75" ? Type::Picture
                                          : Type::AutoShape;
}

void RtfShapes::Finish() {
  if (open_.empty()) return;
  Open finished = std::move(open_.back());
  open_.pop_back();
  const bool anchoredInBody = finished.anchoredInBody;
  std::vector<TextPiece> frames = FramesOf(std::move(finished));
  std::vector<TextPiece>* out = nullptr;
  if (!open_.empty()) {
    out = &open_.back().memberFrames;
  } else if (anchoredInBody) {
    out = &frames_;
  }
  if (out) std::move(frames.begin(), frames.end(), std::back_inserter(*out));
}

std::vector<TextPiece> RtfShapes::FramesOf(Open shape) {
  std::vector<TextPiece> frames;
  if (shape.type == Type::TextBox || (shape.type == Type::AutoShape && shape.text)) {
    const PieceKind kind = shape.type == Type::TextBox ? PieceKind::TextBox : PieceKind::AutoShape;
    AddFrame(frames, kind, shape.text.value_or(std::u16string()), 0);
  }
  if (shape.type == Type::Group) {
    for (TextPiece& member : shape.memberFrames) {
      ++member.groupDepth;
      frames.push_back(std::move(member));
    }
  }
  return frames;
}

}  // namespace tw
