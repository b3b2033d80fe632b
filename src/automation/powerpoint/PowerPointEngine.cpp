#include "automation/powerpoint/PowerPointEngine.h"

#include <exception>

#include "automation/AutomationError.h"
#include "automation/powerpoint/PresentationModel.h"
#include "automation/powerpoint/PresentationReader.h"

namespace tw {
namespace {

using powerpoint::PresentationModel;
using powerpoint::ShapeModel;
using powerpoint::SlideModel;
using Model = std::shared_ptr<const PresentationModel>;

constexpr char kSource[] = "PowerPoint";

[[noreturn]] void Fail(const std::string& why) {
  throw AutomationError(kSource, why);
}

template <class T>
const T& ItemAt(const std::vector<T>& items, int32_t index) {
  if (index < 1 || static_cast<size_t>(index) > items.size()) {
    Fail("the index into the collection is out of bounds");
  }
  return items[static_cast<size_t>(index - 1)];
}

int32_t CountOf(size_t size) {
  return static_cast<int32_t>(size);
}

// Every object keeps the model alive, as an automation reference keeps its server object.
class EngineTextRange : public powerpoint::TextRange {
 public:
  EngineTextRange(Model model, const std::u16string& text)
      : model_(std::move(model)), text_(text) {}
  std::u16string Text() override { return text_; }

 private:
  Model model_;
  const std::u16string& text_;
};

class EngineTextFrame : public powerpoint::TextFrame {
 public:
  EngineTextFrame(Model model, const ShapeModel& shape) : model_(std::move(model)), shape_(shape) {}
  int32_t HasText() override { return shape_.text.empty() ? 0 : 1; }
  std::unique_ptr<powerpoint::TextRange> TextRange() override {
    return std::make_unique<EngineTextRange>(model_, shape_.text);
  }

 private:
  Model model_;
  const ShapeModel& shape_;
};

class EngineShape;

class EngineGroupItems : public powerpoint::GroupItems {
 public:
  EngineGroupItems(Model model, const ShapeModel& group)
      : model_(std::move(model)), group_(group) {}
  int32_t Count() override { return CountOf(group_.groupItems.size()); }
  std::unique_ptr<powerpoint::Shape> Item(int32_t index) override;

 private:
  Model model_;
  const ShapeModel& group_;
};

class EngineCell : public powerpoint::Cell {
 public:
  EngineCell(Model model, const ShapeModel& cell) : model_(std::move(model)), cell_(cell) {}
  std::unique_ptr<powerpoint::Shape> Shape() override;

 private:
  Model model_;
  const ShapeModel& cell_;
};

class EngineTable : public powerpoint::Table {
 public:
  EngineTable(Model model, const ShapeModel& table) : model_(std::move(model)), table_(table) {}
  int32_t RowCount() override { return table_.tableRows; }
  int32_t ColumnCount() override { return table_.tableColumns; }
  std::unique_ptr<powerpoint::Cell> Cell(int32_t row, int32_t column) override {
    if (row < 1 || row > table_.tableRows || column < 1 || column > table_.tableColumns) {
      Fail("the table has no cell at that row and column");
    }
    const size_t index = static_cast<size_t>(row - 1) * static_cast<size_t>(table_.tableColumns) +
                         static_cast<size_t>(column - 1);
    return std::make_unique<EngineCell>(model_, ItemAt(table_.tableCells, CountOf(index + 1)));
  }

 private:
  Model model_;
  const ShapeModel& table_;
};

class EngineShape : public powerpoint::Shape {
 public:
  EngineShape(Model model, const ShapeModel& shape) : model_(std::move(model)), shape_(shape) {}
  int32_t Type() override { return shape_.type; }
  std::unique_ptr<powerpoint::GroupItems> GroupItems() override {
    if (shape_.type != powerpoint::kShapeGroup) Fail("this shape is not a group");
    return std::make_unique<EngineGroupItems>(model_, shape_);
  }
  int32_t HasTextFrame() override { return shape_.hasTextFrame ? 1 : 0; }
  std::unique_ptr<powerpoint::TextFrame> TextFrame() override {
    if (!shape_.hasTextFrame) Fail("this shape has no text frame");
    return std::make_unique<EngineTextFrame>(model_, shape_);
  }
  int32_t HasTable() override { return shape_.type == powerpoint::kShapeTable ? 1 : 0; }
  std::unique_ptr<powerpoint::Table> Table() override {
    if (shape_.type != powerpoint::kShapeTable) Fail("this shape has no table");
    return std::make_unique<EngineTable>(model_, shape_);
  }

 private:
  Model model_;
  const ShapeModel& shape_;
};

std::unique_ptr<powerpoint::Shape> EngineGroupItems::Item(int32_t index) {
  return std::make_unique<EngineShape>(model_, ItemAt(group_.groupItems, index));
}

std::unique_ptr<powerpoint::Shape> EngineCell::Shape() {
  return std::make_unique<EngineShape>(model_, cell_);
}

class EngineShapes : public powerpoint::Shapes {
 public:
  EngineShapes(Model model, const std::vector<ShapeModel>& shapes)
      : model_(std::move(model)), shapes_(shapes) {}
  int32_t Count() override { return CountOf(shapes_.size()); }
  std::unique_ptr<powerpoint::Shape> Item(int32_t index) override {
    return std::make_unique<EngineShape>(model_, ItemAt(shapes_, index));
  }

 private:
  Model model_;
  const std::vector<ShapeModel>& shapes_;
};

class EngineHeaderFooter : public powerpoint::HeaderFooter {
 public:
  EngineHeaderFooter(Model model, const std::u16string& text)
      : model_(std::move(model)), text_(text) {}
  std::u16string Text() override { return text_; }

 private:
  Model model_;
  const std::u16string& text_;
};

class EngineHeadersFooters : public powerpoint::HeadersFooters {
 public:
  EngineHeadersFooters(Model model, const SlideModel& slide)
      : model_(std::move(model)), slide_(slide) {}
  std::unique_ptr<powerpoint::HeaderFooter> Footer() override {
    return std::make_unique<EngineHeaderFooter>(model_, slide_.footer);
  }

 private:
  Model model_;
  const SlideModel& slide_;
};

class EngineSlide : public powerpoint::Slide {
 public:
  EngineSlide(Model model, const SlideModel& slide) : model_(std::move(model)), slide_(slide) {}
  std::unique_ptr<powerpoint::Shapes> Shapes() override {
    return std::make_unique<EngineShapes>(model_, slide_.shapes);
  }
  std::unique_ptr<powerpoint::HeadersFooters> HeadersFooters() override {
    return std::make_unique<EngineHeadersFooters>(model_, slide_);
  }

 private:
  Model model_;
  const SlideModel& slide_;
};

class EngineSlides : public powerpoint::Slides {
 public:
  explicit EngineSlides(Model model) : model_(std::move(model)) {}
  int32_t Count() override { return CountOf(model_->slides.size()); }
  std::unique_ptr<powerpoint::Slide> Item(int32_t index) override {
    return std::make_unique<EngineSlide>(model_, ItemAt(model_->slides, index));
  }

 private:
  Model model_;
};

class EngineMaster : public powerpoint::Master {
 public:
  explicit EngineMaster(Model model) : model_(std::move(model)) {}
  std::unique_ptr<powerpoint::Shapes> Shapes() override {
    return std::make_unique<EngineShapes>(model_, model_->titleMasterShapes);
  }

 private:
  Model model_;
};

class EnginePresentation : public powerpoint::Presentation {
 public:
  explicit EnginePresentation(Model model) : model_(std::move(model)) {}
  std::unique_ptr<powerpoint::Slides> Slides() override {
    return std::make_unique<EngineSlides>(Open());
  }
  int32_t HasTitleMaster() override { return Open()->hasTitleMaster ? 1 : 0; }
  std::unique_ptr<powerpoint::Master> TitleMaster() override {
    if (!Open()->hasTitleMaster) Fail("the presentation has no title master");
    return std::make_unique<EngineMaster>(model_);
  }
  void Close() override { model_.reset(); }

 private:
  const Model& Open() const {
    if (!model_) Fail("the presentation has been closed");
    return model_;
  }

  Model model_;
};

class EnginePresentations : public powerpoint::Presentations {
 public:
  std::unique_ptr<powerpoint::Presentation> Open(const std::string& fileName, int32_t, int32_t,
                                                 int32_t) override {
    try {
      return std::make_unique<EnginePresentation>(
          std::make_shared<const PresentationModel>(powerpoint::ReadPresentation(fileName)));
    } catch (const std::bad_alloc&) {
      Fail("not enough memory to open " + fileName);
    } catch (const std::exception& error) {
      Fail("cannot open " + fileName + ": " + error.what());
    }
  }
};

class EngineApplication : public powerpoint::Application {
 public:
  void SetVisible(int32_t) override {}
  void SetWindowState(int32_t) override {}
  std::unique_ptr<powerpoint::Presentations> Presentations() override {
    return std::make_unique<EnginePresentations>();
  }
  void Quit() override {}
};

}  // namespace

std::unique_ptr<powerpoint::Application> CreatePowerPointEngine() {
  return std::make_unique<EngineApplication>();
}

}  // namespace tw
