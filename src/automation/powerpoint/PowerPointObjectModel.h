#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/ServerRegistry.h"

// The members of PowerPoint's object model that the PowerPoint counter drives. Our own engine
// implements them over the presentation model; tests put recording fakes in their place. Every
// member that fails throws AutomationError with source "PowerPoint". Objects handed out are owned
// by the caller, as automation references are; they keep what they refer to alive. Collections
// are addressed from 1; flags read as 32-bit integers, any value other than 0 meaning yes.
namespace tw::powerpoint {

// Office's enumeration of shape types, for the ones the engine hands out.
enum ShapeType : int32_t {
  kShapeAutoShape = 1,
  kShapeChart = 3,
  kShapeGroup = 6,
  kShapeEmbeddedObject = 7,
  kShapeLine = 9,
  kShapePicture = 13,
  kShapePlaceholder = 14,
  kShapeTextBox = 17,
  kShapeTable = 19,
};

inline constexpr int32_t kWindowStateMinimized = 2;

class TextRange {
 public:
  virtual ~TextRange() = default;
  // Paragraphs joined by "\r", line breaks inside a paragraph as "\v".
  virtual std::u16string Text() = 0;
};

class TextFrame {
 public:
  virtual ~TextFrame() = default;
  virtual int32_t HasText() = 0;
  virtual std::unique_ptr<powerpoint::TextRange> TextRange() = 0;
};

class Shape;

class GroupItems {
 public:
  virtual ~GroupItems() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<powerpoint::Shape> Item(int32_t index) = 0;
};

class Cell {
 public:
  virtual ~Cell() = default;
  virtual std::unique_ptr<powerpoint::Shape> Shape() = 0;
};

// A table shape's grid; Rows.Count and Columns.Count are read through RowCount and ColumnCount.
class Table {
 public:
  virtual ~Table() = default;
  virtual int32_t RowCount() = 0;
  virtual int32_t ColumnCount() = 0;
  virtual std::unique_ptr<powerpoint::Cell> Cell(int32_t row, int32_t column) = 0;
};

class Shape {
 public:
  virtual ~Shape() = default;
  virtual int32_t Type() = 0;
  virtual std::unique_ptr<powerpoint::GroupItems> GroupItems() = 0;
  virtual int32_t HasTextFrame() = 0;
  virtual std::unique_ptr<powerpoint::TextFrame> TextFrame() = 0;
  virtual int32_t HasTable() = 0;
  virtual std::unique_ptr<powerpoint::Table> Table() = 0;
};

class Shapes {
 public:
  virtual ~Shapes() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<powerpoint::Shape> Item(int32_t index) = 0;
};

class HeaderFooter {
 public:
  virtual ~HeaderFooter() = default;
  virtual std::u16string Text() = 0;
};

class HeadersFooters {
 public:
  virtual ~HeadersFooters() = default;
  virtual std::unique_ptr<powerpoint::HeaderFooter> Footer() = 0;
};

class Slide {
 public:
  virtual ~Slide() = default;
  virtual std::unique_ptr<powerpoint::Shapes> Shapes() = 0;
  virtual std::unique_ptr<powerpoint::HeadersFooters> HeadersFooters() = 0;
};

class Slides {
 public:
  virtual ~Slides() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<powerpoint::Slide> Item(int32_t index) = 0;
};

// The title master.
class Master {
 public:
  virtual ~Master() = default;
  virtual std::unique_ptr<powerpoint::Shapes> Shapes() = 0;
};

class Presentation {
 public:
  virtual ~Presentation() = default;
  virtual std::unique_ptr<powerpoint::Slides> Slides() = 0;
  virtual int32_t HasTitleMaster() = 0;
  virtual std::unique_ptr<powerpoint::Master> TitleMaster() = 0;
  virtual void Close() = 0;
};

class Presentations {
 public:
  virtual ~Presentations() = default;
  virtual std::unique_ptr<powerpoint::Presentation> Open(const std::string& fileName,
                                                         int32_t readOnly, int32_t untitled,
                                                         int32_t withWindow) = 0;
};

class Application : public AutomationObject {
 public:
  virtual void SetVisible(int32_t visible) = 0;
  virtual void SetWindowState(int32_t state) = 0;
  virtual std::unique_ptr<powerpoint::Presentations> Presentations() = 0;
  virtual void Quit() = 0;
};

}  // namespace tw::powerpoint

namespace tw {
using PowerPointApplication = powerpoint::Application;
}  // namespace tw
