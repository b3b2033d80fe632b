#include "counting/WordCounter.h"

#include "automation/AutomationError.h"
#include "automation/ServerRegistry.h"

namespace tw {
namespace {

constexpr int32_t kShapeAutoShape = 1;
constexpr int32_t kShapeGroup = 6;
constexpr int32_t kShapeEmbeddedOleObject = 7;
constexpr int32_t kShapeTextBox = 17;
constexpr int16_t kIncludeFootnotesAndEndnotes = 1;

// Nothing is saved, no format is asked for and nothing is routed.
constexpr int kDoNotSaveChanges = 0;
constexpr int kOriginalFormat = 0;
constexpr int kDoNotRoute = 0;

word::OpenArguments OpenArgumentsFor(const std::string& path) {
  word::OpenArguments arguments;
  arguments.fileName = path;  // every other argument keeps Word's quiet, read-as-is value
  return arguments;
}

}  // namespace

WordCounter::WordCounter(CountHost& host, CountContext& context)
    : Counter(CounterKind::Word, host, context) {}

WordCounter::~WordCounter() = default;

void WordCounter::TakeOptions(const CountOptions& options) {
  headersAndFooters_ = options.headersAndFooters;
}

bool WordCounter::StartServer() {
  if (Context().servers) {
    application_ = Context().servers->Create<word::Application>("Word.Application");
  }
  if (!application_) {
    ShowMessage("Do you have a MS Word?!");
    return false;
  }
  try {
    StartApplication();
    return true;
  } catch (const AutomationError& error) {
    ReportFailure(error);
    QuitQuietly();
    return false;
  }
}

void WordCounter::StartApplication() {
  application_->SetLegacyByteRules(LegacyByteRules());
  application_->SetVisible(false);
  application_->SetWindowState(word::kWindowStateMinimize);
  application_->SetScreenUpdating(false);
  documents_ = application_->Documents();
}

void WordCounter::ReleaseServer() {
  if (!application_) return;
  try {
    application_->Quit(kDoNotSaveChanges, kOriginalFormat, kDoNotRoute);
  } catch (const AutomationError& error) {
    ReportFailure(error);
  }
  documents_.reset();
  application_.reset();
}

FileOutcome WordCounter::CountFile(const std::string& path) {
  try {
    CountDocument(path);
    return FileOutcome::Counted;
  } catch (const std::exception& error) {
    // AutomationError above all; anything else the server lets escape is still one file's fault.
    ReportFailure(error);
    CloseAfterFailure();
    return FileOutcome::Skipped;
  }
}

void WordCounter::CountDocument(const std::string& path) {
  documentOpen_ = false;
  documents_->Open(OpenArgumentsFor(path));
  documentOpen_ = true;
  // The first open document is the one just opened: every file is closed before the next.
  const std::unique_ptr<word::Document> document = documents_->Item(1);
  CountMainStatistics(*document);
  if (headersAndFooters_) HeaderFooterPass(*document);
  UngroupPass(*document, kShapeEmbeddedOleObject);
  UngroupPass(*document, kShapeGroup);
  TextFramePass(*document);
  // Nothing is saved, so the ungrouping above never reaches the file.
  documents_->Close(kDoNotSaveChanges, kOriginalFormat, kDoNotRoute);
  documentOpen_ = false;
}

void WordCounter::CountMainStatistics(word::Document& document) {
  FileCounts& counts = Counts();
  counts.words = document.ComputeStatistics(word::kStatisticWords, kIncludeFootnotesAndEndnotes);
  counts.characters =
      document.ComputeStatistics(word::kStatisticCharacters, kIncludeFootnotesAndEndnotes);
  const int64_t withSpaces = document.ComputeStatistics(word::kStatisticCharactersWithSpaces,
                                                        kIncludeFootnotesAndEndnotes);
  counts.spaces = withSpaces - document.ComputeStatistics(word::kStatisticCharacters,
                                                          kIncludeFootnotesAndEndnotes);
}

// The primary header and footer of every section. Word links a section without its own to the
// previous one's, so linked text is counted once per section, as Word shows it.
void WordCounter::HeaderFooterPass(word::Document& document) {
  const std::unique_ptr<word::Sections> sections = document.Sections();
  const int32_t count = sections->Count();
  for (int32_t i = 1; i <= count; ++i) {
    const std::unique_ptr<word::Section> section = sections->Item(i);
    AddRangeStatistics(*section->Headers()->Item(word::kHeaderFooterPrimary)->Range());
    AddRangeStatistics(*section->Footers()->Item(word::kHeaderFooterPrimary)->Range());
  }
}

// The count is read once: shapes an Ungroup appends are not visited in the same pass.
void WordCounter::UngroupPass(word::Document& document, int32_t shapeType) {
  const std::unique_ptr<word::Shapes> shapes = document.Shapes();
  const int32_t count = shapes->Count();
  for (int32_t i = 1; i <= count; ++i) {
    const std::unique_ptr<word::Shape> shape = shapes->Item(i);
    if (shape->Type() == shapeType) shape->Ungroup();
  }
}

void WordCounter::TextFramePass(word::Document& document) {
  const std::unique_ptr<word::Shapes> shapes = document.Shapes();
  const int32_t count = shapes->Count();
  for (int32_t i = 1; i <= count; ++i) {
    const std::unique_ptr<word::Shape> shape = shapes->Item(i);
    const int32_t type = shape->Type();
    const std::unique_ptr<word::TextFrame> frame = shape->TextFrame();
    if (frame && (type == kShapeTextBox || type == kShapeAutoShape)) {
      AddRangeStatistics(*frame->TextRange());
    }
  }
}

void WordCounter::AddRangeStatistics(word::Range& range) {
  FileCounts& counts = Counts();
  counts.words += range.ComputeStatistics(word::kStatisticWords);
  counts.characters += range.ComputeStatistics(word::kStatisticCharacters);
  const int64_t withSpaces = range.ComputeStatistics(word::kStatisticCharactersWithSpaces);
  counts.spaces += withSpaces - range.ComputeStatistics(word::kStatisticCharacters);
}

void WordCounter::ReportFailure(const std::exception& error) {
  if (const auto* automation = dynamic_cast<const AutomationError*>(&error)) {
    ShowMessage(FormatAutomationError(*automation));
  } else {
    ShowMessage(FormatAutomationError(AutomationError("Word", error.what())));
  }
}

// Leaves no document open for the next file, which is taken as Item(1).
void WordCounter::CloseAfterFailure() {
  if (!documentOpen_) return;
  documentOpen_ = false;
  try {
    documents_->Close(kDoNotSaveChanges, kOriginalFormat, kDoNotRoute);
  } catch (const AutomationError& error) {
    ReportFailure(error);
  }
}

void WordCounter::QuitQuietly() {
  try {
    application_->Quit(kDoNotSaveChanges, kOriginalFormat, kDoNotRoute);
  } catch (const AutomationError&) {
    // The server is already unusable; its first failure has been reported.
  }
  documents_.reset();
  application_.reset();
}

}  // namespace tw
