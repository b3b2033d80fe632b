#include "FakePowerPoint.h"

#include "automation/AutomationError.h"

namespace tw::test {
namespace {

using powerpoint::PresentationModel;
using powerpoint::ShapeModel;
using powerpoint::SlideModel;

template <class T>
const T& At(const std::vector<T>& items, int32_t index) {
  if (index < 1 || static_cast<size_t>(index) > items.size()) {
    throw AutomationError("PowerPoint", "index out of bounds");
  }
  return items[static_cast<size_t>(index - 1)];
}

std::string Index(int32_t index) {
  return "(" + std::to_string(index) + ")";
}

class FakeTextRange : public powerpoint::TextRange {
 public:
  FakeTextRange(FakePowerPoint& fake, std::u16string text) : fake_(fake), text_(std::move(text)) {}
  std::u16string Text() override {
    fake_.Record("TextRange.Text");
    return text_;
  }

 private:
  FakePowerPoint& fake_;
  std::u16string text_;
};

class FakeTextFrame : public powerpoint::TextFrame {
 public:
  FakeTextFrame(FakePowerPoint& fake, const ShapeModel& shape) : fake_(fake), shape_(shape) {}
  int32_t HasText() override {
    fake_.Record("TextFrame.HasText");
    return shape_.text.empty() ? 0 : -1;  // PowerPoint's "true" is -1
  }
  std::unique_ptr<powerpoint::TextRange> TextRange() override {
    fake_.Record("TextFrame.TextRange");
    return std::make_unique<FakeTextRange>(fake_, shape_.text);
  }

 private:
  FakePowerPoint& fake_;
  const ShapeModel& shape_;
};

class FakeShape;

class FakeGroupItems : public powerpoint::GroupItems {
 public:
  FakeGroupItems(FakePowerPoint& fake, const ShapeModel& group) : fake_(fake), group_(group) {}
  int32_t Count() override {
    fake_.Record("GroupItems.Count");
    return static_cast<int32_t>(group_.groupItems.size());
  }
  std::unique_ptr<powerpoint::Shape> Item(int32_t index) override;

 private:
  FakePowerPoint& fake_;
  const ShapeModel& group_;
};

class FakeCell : public powerpoint::Cell {
 public:
  FakeCell(FakePowerPoint& fake, const ShapeModel& cell) : fake_(fake), cell_(cell) {}
  std::unique_ptr<powerpoint::Shape> Shape() override;

 private:
  FakePowerPoint& fake_;
  const ShapeModel& cell_;
};

class FakeTable : public powerpoint::Table {
 public:
  FakeTable(FakePowerPoint& fake, const ShapeModel& table) : fake_(fake), table_(table) {}
  int32_t RowCount() override {
    fake_.Record("Table.Rows.Count");
    return table_.tableRows;
  }
  int32_t ColumnCount() override {
    fake_.Record("Table.Columns.Count");
    return table_.tableColumns;
  }
  std::unique_ptr<powerpoint::Cell> Cell(int32_t row, int32_t column) override {
    fake_.Record("Table.Cell(" + std::to_string(row) + ", " + std::to_string(column) + ")");
    return std::make_unique<FakeCell>(
        fake_, At(table_.tableCells, (row - 1) * table_.tableColumns + column));
  }

 private:
  FakePowerPoint& fake_;
  const ShapeModel& table_;
};

class FakeShape : public powerpoint::Shape {
 public:
  FakeShape(FakePowerPoint& fake, const ShapeModel& shape) : fake_(fake), shape_(shape) {}
  int32_t Type() override {
    fake_.Record("Shape.Type");
    return shape_.type;
  }
  std::unique_ptr<powerpoint::GroupItems> GroupItems() override {
    fake_.Record("Shape.GroupItems");
    return std::make_unique<FakeGroupItems>(fake_, shape_);
  }
  int32_t HasTextFrame() override {
    fake_.Record("Shape.HasTextFrame");
    return shape_.hasTextFrame ? -1 : 0;
  }
  std::unique_ptr<powerpoint::TextFrame> TextFrame() override {
    fake_.Record("Shape.TextFrame");
    return std::make_unique<FakeTextFrame>(fake_, shape_);
  }
  int32_t HasTable() override {
    fake_.Record("Shape.HasTable");
    return shape_.type == powerpoint::kShapeTable ? -1 : 0;
  }
  std::unique_ptr<powerpoint::Table> Table() override {
    fake_.Record("Shape.Table");
    return std::make_unique<FakeTable>(fake_, shape_);
  }

 private:
  FakePowerPoint& fake_;
  const ShapeModel& shape_;
};

std::unique_ptr<powerpoint::Shape> FakeGroupItems::Item(int32_t index) {
  fake_.Record("GroupItems.Item" + Index(index));
  return std::make_unique<FakeShape>(fake_, At(group_.groupItems, index));
}

std::unique_ptr<powerpoint::Shape> FakeCell::Shape() {
  fake_.Record("Cell.Shape");
  return std::make_unique<FakeShape>(fake_, cell_);
}

class FakeShapes : public powerpoint::Shapes {
 public:
  FakeShapes(FakePowerPoint& fake, const std::vector<ShapeModel>& shapes)
      : fake_(fake), shapes_(shapes) {}
  int32_t Count() override {
    fake_.Record("Shapes.Count");
    return static_cast<int32_t>(shapes_.size());
  }
  std::unique_ptr<powerpoint::Shape> Item(int32_t index) override {
    fake_.Record("Shapes.Item" + Index(index));
    return std::make_unique<FakeShape>(fake_, At(shapes_, index));
  }

 private:
  FakePowerPoint& fake_;
  const std::vector<ShapeModel>& shapes_;
};

class FakeHeaderFooter : public powerpoint::HeaderFooter {
 public:
  FakeHeaderFooter(FakePowerPoint& fake, std::u16string text)
      : fake_(fake), text_(std::move(text)) {}
  std::u16string Text() override {
    fake_.Record("HeaderFooter.Text");
    return text_;
  }

 private:
  FakePowerPoint& fake_;
  std::u16string text_;
};

class FakeHeadersFooters : public powerpoint::HeadersFooters {
 public:
  FakeHeadersFooters(FakePowerPoint& fake, const SlideModel& slide) : fake_(fake), slide_(slide) {}
  std::unique_ptr<powerpoint::HeaderFooter> Footer() override {
    fake_.Record("HeadersFooters.Footer");
    return std::make_unique<FakeHeaderFooter>(fake_, slide_.footer);
  }

 private:
  FakePowerPoint& fake_;
  const SlideModel& slide_;
};

class FakeSlide : public powerpoint::Slide {
 public:
  FakeSlide(FakePowerPoint& fake, const SlideModel& slide) : fake_(fake), slide_(slide) {}
  std::unique_ptr<powerpoint::Shapes> Shapes() override {
    fake_.Record("Slide.Shapes");
    return std::make_unique<FakeShapes>(fake_, slide_.shapes);
  }
  std::unique_ptr<powerpoint::HeadersFooters> HeadersFooters() override {
    fake_.Record("Slide.HeadersFooters");
    return std::make_unique<FakeHeadersFooters>(fake_, slide_);
  }

 private:
  FakePowerPoint& fake_;
  const SlideModel& slide_;
};

class FakeSlides : public powerpoint::Slides {
 public:
  FakeSlides(FakePowerPoint& fake, const PresentationModel& model) : fake_(fake), model_(model) {}
  int32_t Count() override {
    fake_.Record("Slides.Count");
    return static_cast<int32_t>(model_.slides.size());
  }
  std::unique_ptr<powerpoint::Slide> Item(int32_t index) override {
    fake_.Record("Slides.Item" + Index(index));
    return std::make_unique<FakeSlide>(fake_, At(model_.slides, index));
  }

 private:
  FakePowerPoint& fake_;
  const PresentationModel& model_;
};

class FakeMaster : public powerpoint::Master {
 public:
  FakeMaster(FakePowerPoint& fake, const PresentationModel& model) : fake_(fake), model_(model) {}
  std::unique_ptr<powerpoint::Shapes> Shapes() override {
    fake_.Record("Master.Shapes");
    return std::make_unique<FakeShapes>(fake_, model_.titleMasterShapes);
  }

 private:
  FakePowerPoint& fake_;
  const PresentationModel& model_;
};

class FakePresentation : public powerpoint::Presentation {
 public:
  FakePresentation(FakePowerPoint& fake, const PresentationModel& model)
      : fake_(fake), model_(model) {}
  std::unique_ptr<powerpoint::Slides> Slides() override {
    fake_.Record("Presentation.Slides");
    return std::make_unique<FakeSlides>(fake_, model_);
  }
  int32_t HasTitleMaster() override {
    fake_.Record("Presentation.HasTitleMaster");
    return model_.hasTitleMaster ? -1 : 0;
  }
  std::unique_ptr<powerpoint::Master> TitleMaster() override {
    fake_.Record("Presentation.TitleMaster");
    return std::make_unique<FakeMaster>(fake_, model_);
  }
  void Close() override { fake_.Record("Presentation.Close"); }

 private:
  FakePowerPoint& fake_;
  const PresentationModel& model_;
};

class FakePresentations : public powerpoint::Presentations {
 public:
  explicit FakePresentations(FakePowerPoint& fake) : fake_(fake) {}
  std::unique_ptr<powerpoint::Presentation> Open(const std::string& fileName, int32_t readOnly,
                                                 int32_t untitled, int32_t withWindow) override {
    fake_.Record("Presentations.Open(" + fileName + ", " + std::to_string(readOnly) + ", " +
                 std::to_string(untitled) + ", " + std::to_string(withWindow) + ")");
    const auto it = fake_.presentations.find(fileName);
    if (it == fake_.presentations.end()) {
      throw AutomationError("PowerPoint", "cannot open " + fileName);
    }
    return std::make_unique<FakePresentation>(fake_, it->second);
  }

 private:
  FakePowerPoint& fake_;
};

class FakeApplication : public powerpoint::Application {
 public:
  explicit FakeApplication(FakePowerPoint& fake) : fake_(fake) {}
  void SetVisible(int32_t visible) override {
    fake_.Record("Application.Visible = " + std::to_string(visible));
  }
  void SetWindowState(int32_t state) override {
    fake_.Record("Application.WindowState = " + std::to_string(state));
  }
  std::unique_ptr<powerpoint::Presentations> Presentations() override {
    fake_.Record("Application.Presentations");
    return std::make_unique<FakePresentations>(fake_);
  }
  void Quit() override { fake_.Record("Application.Quit"); }

 private:
  FakePowerPoint& fake_;
};

}  // namespace

void FakePowerPoint::RegisterIn(ServerRegistry& registry) {
  registry.Register("Powerpoint.Application", [this]() -> std::unique_ptr<AutomationObject> {
    Record("create Powerpoint.Application");
    return std::make_unique<FakeApplication>(*this);
  });
}

std::vector<std::string> FakePowerPoint::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> calls;
  for (const std::string& call : log) {
    if (call.rfind(prefix, 0) == 0) calls.push_back(call);
  }
  return calls;
}

}  // namespace tw::test
