#include "counting/PowerPointCounter.h"

#include "automation/AutomationError.h"
#include "automation/ServerRegistry.h"
#include "text/CharacterClass.h"
#include "counting/TextScan.h"
#include "counting/WordScanner.h"

namespace tw {
namespace {

constexpr char kProgId[] = "Powerpoint.Application";
constexpr char kNoServerMessage[] = "Do you have a MS PowerPoint?";

bool IsYes(int32_t flag) {
  return flag != 0;
}

bool IsOpeningMarker(char32_t c) {
  return c == 0x2039 || c == 0x8B;
}
bool IsClosingMarker(char32_t c) {
  return c == 0x203A || c == 0x9B;
}

// One character of a title-master text: its class, and whether it opens or closes a marked
// stretch.
void FeedTitleMasterCharacter(WordScanner& scanner, bool& outsideMarkers, CharClass c,
                              bool opensMarker, bool closesMarker) {
  if (opensMarker) {
    outsideMarkers = false;
    scanner.Feed(CharClass::Blank);  // ends the word before the stretch
  }
  if (outsideMarkers) scanner.Feed(c);
  if (closesMarker) outsideMarkers = true;
}

}  // namespace

FileCounts ScanTitleMasterText(std::u16string_view text, bool legacyByteRules) {
  // Every character that is not blank joins a word, as extra symbols do under that option.
  WordScanner scanner(/*extraSymbolsAsWords=*/true);
  bool outsideMarkers = true;
  for (size_t i = 0; i < text.size(); ++i) {
    if (legacyByteRules) {
      const uint8_t b = static_cast<uint8_t>(text[i] & 0xFF);
      FeedTitleMasterCharacter(scanner, outsideMarkers, ClassifyByte(b), b == 0x8B, b == 0x9B);
      continue;
    }
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    FeedTitleMasterCharacter(scanner, outsideMarkers, ClassifyCodePoint(cp), IsOpeningMarker(cp),
                             IsClosingMarker(cp));
  }
  return scanner.Finish();
}

PowerPointCounter::PowerPointCounter(CountHost& host, CountContext& context)
    : Counter(CounterKind::PowerPoint, host, context) {}

PowerPointCounter::~PowerPointCounter() = default;

void PowerPointCounter::TakeOptions(const CountOptions& options) {
  // Init's order: the headers-and-footers switch, then the extra-symbols switch.
  headersAndFooters_ = options.headersAndFooters;
  extraSymbolsAsWords_ = options.extraSymbolsAsWords;
}

bool PowerPointCounter::StartServer() {
  if (Context().servers != nullptr) {
    application_ = Context().servers->Create<powerpoint::Application>(kProgId);
  }
  if (!application_) {
    ShowMessage(kNoServerMessage);
    return false;
  }
  try {
    application_->SetVisible(1);
    application_->SetWindowState(powerpoint::kWindowStateMinimized);
  } catch (const AutomationError& error) {
    ReportFailure(FormatAutomationError(error));
    ReleaseServer();
    return false;
  }
  return true;
}

void PowerPointCounter::ReleaseServer() {
  if (!application_) return;
  try {
    application_->Quit();
  } catch (const AutomationError& error) {
    ReportFailure(FormatAutomationError(error));
  }
  application_.reset();
}

FileOutcome PowerPointCounter::CountFile(const std::string& path) {
  std::unique_ptr<powerpoint::Presentation> presentation;
  try {
    presentation = application_->Presentations()->Open(path, 0, 0, 1);
    return CountPresentation(*presentation);
  } catch (const AutomationError& error) {
    // A failed call costs this file only: its row is left and the batch goes on.
    ReportFailure(FormatAutomationError(error));
    if (presentation) {
      try {
        presentation->Close();
      } catch (const AutomationError&) {
        // Already reported the failure that matters for this file.
      }
    }
    return FileOutcome::Skipped;
  }
}

FileOutcome PowerPointCounter::CountPresentation(powerpoint::Presentation& presentation) {
  std::unique_ptr<powerpoint::Slides> slides = presentation.Slides();
  const int32_t slideCount = slides->Count();
  for (int32_t i = 1; i <= slideCount; ++i) {
    if (!CountSlide(*slides->Item(i))) {
      presentation.Close();
      return FileOutcome::Stopped;  // the run quits the server as it ends
    }
  }
  // The title master belongs to the presentation, not to each slide: its text is counted once.
  CountTitleMaster(presentation);
  presentation.Close();
  return FileOutcome::Counted;
}

bool PowerPointCounter::CountSlide(powerpoint::Slide& slide) {
  std::unique_ptr<powerpoint::Shapes> shapes = slide.Shapes();
  const int32_t shapeCount = shapes->Count();
  for (int32_t j = 1; j <= shapeCount; ++j) {
    if (TakeStopRequest()) return false;
    CountShape(*shapes->Item(j));
  }
  if (headersAndFooters_) CountShapeText(slide.HeadersFooters()->Footer()->Text());
  return true;
}

void PowerPointCounter::CountShape(powerpoint::Shape& shape) {
  if (shape.Type() == powerpoint::kShapeGroup) {
    CountGroupItems(shape);
    return;
  }
  // Table cells hold text a translator is paid for, though a table has no text frame of its own.
  if (IsYes(shape.HasTable())) {
    CountTableCells(shape);
    return;
  }
  CountFrameText(shape);
}

void PowerPointCounter::CountGroupItems(powerpoint::Shape& group) {
  std::unique_ptr<powerpoint::GroupItems> items = group.GroupItems();
  for (int32_t i = 1; i <= items->Count(); ++i) CountShape(*items->Item(i));
}

void PowerPointCounter::CountTableCells(powerpoint::Shape& shape) {
  std::unique_ptr<powerpoint::Table> table = shape.Table();
  const int32_t rows = table->RowCount();
  const int32_t columns = table->ColumnCount();
  for (int32_t row = 1; row <= rows; ++row) {
    for (int32_t column = 1; column <= columns; ++column) {
      CountFrameText(*table->Cell(row, column)->Shape());
    }
  }
}

void PowerPointCounter::CountFrameText(powerpoint::Shape& shape) {
  if (!IsYes(shape.HasTextFrame())) return;
  std::unique_ptr<powerpoint::TextFrame> frame = shape.TextFrame();
  if (!IsYes(frame->HasText())) return;
  CountShapeText(frame->TextRange()->Text());
}

void PowerPointCounter::CountTitleMaster(powerpoint::Presentation& presentation) {
  if (!IsYes(presentation.HasTitleMaster())) return;
  std::unique_ptr<powerpoint::Shapes> shapes = presentation.TitleMaster()->Shapes();
  const int32_t shapeCount = shapes->Count();
  for (int32_t k = 1; k <= shapeCount; ++k) {
    std::unique_ptr<powerpoint::Shape> shape = shapes->Item(k);
    if (!IsYes(shape->HasTextFrame())) continue;
    std::unique_ptr<powerpoint::TextFrame> frame = shape->TextFrame();
    if (!IsYes(frame->HasText())) continue;
    Counts() += ScanTitleMasterText(frame->TextRange()->Text(), LegacyByteRules());
  }
}

void PowerPointCounter::CountShapeText(std::u16string_view text) {
  Counts() += ScanUtf16Text(text, TextRules{extraSymbolsAsWords_, LegacyByteRules()});
}

void PowerPointCounter::ReportFailure(const std::string& description) {
  ShowMessage(description);
}

}  // namespace tw
