#include "automation/word/WordEngine.h"

#include <optional>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/word/WordDocumentReader.h"
#include "automation/word/WordTextStatistics.h"

namespace tw {
namespace {

[[noreturn]] void Fail(const std::string& description) {
  throw AutomationError("Word", description);
}

// One document between Open and Close. The objects handed out share it, so they stay valid
// after the collection lets go; once closed they fail as Word's do.
struct OpenedDocument {
  WordDocument model;
  bool legacyByteRules = false;
  bool open = true;
  std::optional<WordTextStatistics> mainStatistics;
  std::optional<WordTextStatistics> noteStatistics;

  void CheckOpen() const {
    if (!open) Fail("The object is not available: its document has been closed.");
  }
  // The three statistics are asked for one after another; the text is scanned once.
  const WordTextStatistics& Main() {
    if (!mainStatistics) mainStatistics = WordTextStatistics::Of(model.mainText, legacyByteRules);
    return *mainStatistics;
  }
  const WordTextStatistics& Notes() {
    if (!noteStatistics) {
      noteStatistics = WordTextStatistics::Of(model.footnotes, legacyByteRules);
      *noteStatistics += WordTextStatistics::Of(model.endnotes, legacyByteRules);
    }
    return *noteStatistics;
  }
};
using DocumentPtr = std::shared_ptr<OpenedDocument>;

class EngineRange : public word::Range {
 public:
  EngineRange(DocumentPtr document, std::u16string text)
      : document_(std::move(document)), text_(std::move(text)) {}
  int32_t ComputeStatistics(int statistic) override {
    document_->CheckOpen();
    return WordTextStatistics::Of(text_, document_->legacyByteRules).Statistic(statistic);
  }

 private:
  DocumentPtr document_;
  std::u16string text_;
};

class EngineTextFrame : public word::TextFrame {
 public:
  EngineTextFrame(DocumentPtr document, std::u16string text)
      : document_(std::move(document)), text_(std::move(text)) {}
  std::unique_ptr<word::Range> TextRange() override {
    document_->CheckOpen();
    return std::make_unique<EngineRange>(document_, text_);
  }

 private:
  DocumentPtr document_;
  std::u16string text_;
};

class EngineShape : public word::Shape {
 public:
  EngineShape(DocumentPtr document, size_t index) : document_(std::move(document)), index_(index) {}
  int32_t Type() override { return static_cast<int32_t>(Model().type); }
  // The members of a group become shapes of their own at the end of the collection; the group
  // keeps its place, empty, so the indices of the shapes after it do not move. An embedded
  // object has nothing to take apart and stays as it is.
  void Ungroup() override {
    WordShapeModel& shape = Model();
    if (shape.type == WordShapeType::EmbeddedOleObject) return;
    if (shape.type != WordShapeType::Group || shape.members.empty()) {
      Fail("This shape is not a group and cannot be ungrouped.");
    }
    std::vector<WordShapeModel> members = std::move(shape.members);
    shape.members.clear();
    std::vector<WordShapeModel>& shapes = document_->model.shapes;
    for (WordShapeModel& member : members) shapes.push_back(std::move(member));
  }
  std::unique_ptr<word::TextFrame> TextFrame() override {
    const WordShapeModel& shape = Model();
    if (!shape.frameText) return nullptr;
    return std::make_unique<EngineTextFrame>(document_, *shape.frameText);
  }

 private:
  WordShapeModel& Model() {
    document_->CheckOpen();
    return document_->model.shapes.at(index_);
  }

  DocumentPtr document_;
  size_t index_;
};

class EngineShapes : public word::Shapes {
 public:
  explicit EngineShapes(DocumentPtr document) : document_(std::move(document)) {}
  int32_t Count() override {
    document_->CheckOpen();
    return static_cast<int32_t>(document_->model.shapes.size());
  }
  std::unique_ptr<word::Shape> Item(int32_t index) override {
    if (index < 1 || index > Count())
      Fail("The requested member of the collection does not exist.");
    return std::make_unique<EngineShape>(document_, static_cast<size_t>(index - 1));
  }

 private:
  DocumentPtr document_;
};

class EngineHeaderFooter : public word::HeaderFooter {
 public:
  EngineHeaderFooter(DocumentPtr document, std::u16string text)
      : document_(std::move(document)), text_(std::move(text)) {}
  std::unique_ptr<word::Range> Range() override {
    document_->CheckOpen();
    return std::make_unique<EngineRange>(document_, text_);
  }

 private:
  DocumentPtr document_;
  std::u16string text_;
};

// The primary header or footer follows the linking rule; first-page and even-page ones are not
// read from documents, so they are empty.
class EngineHeadersFooters : public word::HeadersFooters {
 public:
  EngineHeadersFooters(DocumentPtr document, size_t section, bool footers)
      : document_(std::move(document)), section_(section), footers_(footers) {}
  std::unique_ptr<word::HeaderFooter> Item(int index) override {
    document_->CheckOpen();
    if (index < 1 || index > 3) Fail("The requested member of the collection does not exist.");
    std::u16string text;
    if (index == word::kHeaderFooterPrimary) {
      const WordDocument& model = document_->model;
      text = footers_ ? model.PrimaryFooter(section_) : model.PrimaryHeader(section_);
    }
    return std::make_unique<EngineHeaderFooter>(document_, std::move(text));
  }

 private:
  DocumentPtr document_;
  size_t section_;
  bool footers_;
};

class EngineSection : public word::Section {
 public:
  EngineSection(DocumentPtr document, size_t index)
      : document_(std::move(document)), index_(index) {}
  std::unique_ptr<word::HeadersFooters> Headers() override {
    document_->CheckOpen();
    return std::make_unique<EngineHeadersFooters>(document_, index_, false);
  }
  std::unique_ptr<word::HeadersFooters> Footers() override {
    document_->CheckOpen();
    return std::make_unique<EngineHeadersFooters>(document_, index_, true);
  }

 private:
  DocumentPtr document_;
  size_t index_;
};

class EngineSections : public word::Sections {
 public:
  explicit EngineSections(DocumentPtr document) : document_(std::move(document)) {}
  // Every document has at least one section, even when its file names none.
  int32_t Count() override {
    document_->CheckOpen();
    return static_cast<int32_t>(std::max<size_t>(1, document_->model.sections.size()));
  }
  std::unique_ptr<word::Section> Item(int32_t index) override {
    if (index < 1 || index > Count())
      Fail("The requested member of the collection does not exist.");
    return std::make_unique<EngineSection>(document_, static_cast<size_t>(index - 1));
  }

 private:
  DocumentPtr document_;
};

class EngineDocument : public word::Document {
 public:
  explicit EngineDocument(DocumentPtr document) : document_(std::move(document)) {}
  // The main text, and the footnotes and endnotes when asked; never text boxes, headers or
  // footers, which have their own ranges.
  int32_t ComputeStatistics(int statistic, int16_t includeFootnotesAndEndnotes) override {
    document_->CheckOpen();
    WordTextStatistics statistics = document_->Main();
    if (includeFootnotesAndEndnotes != 0) statistics += document_->Notes();
    return statistics.Statistic(statistic);
  }
  std::unique_ptr<word::Sections> Sections() override {
    document_->CheckOpen();
    return std::make_unique<EngineSections>(document_);
  }
  std::unique_ptr<word::Shapes> Shapes() override {
    document_->CheckOpen();
    return std::make_unique<EngineShapes>(document_);
  }

 private:
  DocumentPtr document_;
};

struct EngineState {
  bool legacyByteRules = false;
  bool quit = false;
  std::vector<DocumentPtr> documents;

  void CheckRunning() const {
    if (quit) Fail("The application has quit.");
  }
};
using StatePtr = std::shared_ptr<EngineState>;

class EngineDocuments : public word::Documents {
 public:
  explicit EngineDocuments(StatePtr state) : state_(std::move(state)) {}
  // Opening never changes the file: the engine only reads it.
  std::unique_ptr<word::Document> Open(const word::OpenArguments& arguments) override {
    state_->CheckRunning();
    auto document = std::make_shared<OpenedDocument>();
    document->model = ReadWordDocument(arguments.fileName);
    document->legacyByteRules = state_->legacyByteRules;
    state_->documents.push_back(document);
    return std::make_unique<EngineDocument>(document);
  }
  std::unique_ptr<word::Document> Item(int32_t index) override {
    state_->CheckRunning();
    if (index < 1 || static_cast<size_t>(index) > state_->documents.size()) {
      Fail("The requested member of the collection does not exist.");
    }
    return std::make_unique<EngineDocument>(state_->documents[static_cast<size_t>(index - 1)]);
  }
  void Close(int saveChanges, int originalFormat, int routeDocument) override {
    (void)saveChanges;  // nothing is ever written back
    (void)originalFormat;
    (void)routeDocument;
    state_->CheckRunning();
    for (const DocumentPtr& document : state_->documents) document->open = false;
    state_->documents.clear();
  }

 private:
  StatePtr state_;
};

class EngineApplication : public word::Application {
 public:
  void SetVisible(bool) override { state_->CheckRunning(); }
  void SetWindowState(int) override { state_->CheckRunning(); }
  void SetScreenUpdating(bool) override { state_->CheckRunning(); }
  std::unique_ptr<word::Documents> Documents() override {
    state_->CheckRunning();
    return std::make_unique<EngineDocuments>(state_);
  }
  void Quit(int, int, int) override {
    for (const DocumentPtr& document : state_->documents) document->open = false;
    state_->documents.clear();
    state_->quit = true;
  }
  void SetLegacyByteRules(bool legacy) override { state_->legacyByteRules = legacy; }

 private:
  StatePtr state_ = std::make_shared<EngineState>();
};

}  // namespace

std::unique_ptr<word::Application> CreateWordEngine() {
  return std::make_unique<EngineApplication>();
}

}  // namespace tw
