#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/Document.h"

namespace tw {

// The shapes of an RTF document as the parser meets them. Shapes nest (a group holds its
// members) and a shape's type may come after its text, so a shape's frame is made only when the
// shape ends. A text box always has a frame, an autoshape one when it holds text; a picture has
// none, and a group's members are a level deeper than the group.
class RtfShapes {
 public:
  void Clear();
  // Opens a shape inside the one open, if any. Throws RtfError beyond the cap on shapes.
  void Start(bool group, bool anchoredInBody);
  bool AnyOpen() const { return !open_.empty(); }
  // The innermost open shape holds text from now on; false when no shape is open.
  bool StartText();
  // Where the innermost open shape's text goes; null when it has none.
  std::u16string* Text();
  // The "shapeType" property of the innermost open shape; a group stays a group.
  void SetType(const std::string& shapeType);
  void Finish();
  // The frames of the shapes anchored in the body, in anchor order.
  std::vector<TextPiece> TakeFrames() { return std::move(frames_); }

 private:
  enum class Type : uint8_t { AutoShape, TextBox, Picture, Group };

  struct Open {
    Type type = Type::AutoShape;
    std::optional<std::u16string> text;
    std::vector<TextPiece> memberFrames;  // of the shapes inside, as if at top level
    bool anchoredInBody = false;
  };

  static std::vector<TextPiece> FramesOf(Open shape);

  std::vector<Open> open_;
  std::vector<TextPiece> frames_;
  size_t count_ = 0;
};

}  // namespace tw
