#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "formats/presentation/PowerPointObjectModel.h"
#include "counting/Counter.h"

namespace tw {

// The title master's scan of one text: every character that is not blank is a word character,
// and stretches between the markers "\u2039" and "\u203A" (or the units 0x8B and 0x9B), such as
// the slide-number field "\u2039#\u203A", are skipped. The legacy byte rules judge the low byte
// of each unit, markers included.
FileCounts ScanTitleMasterText(std::u16string_view text, bool legacyByteRules);

// Counts presentations by driving "Powerpoint.Application": the text of every shape of every
// slide (into groups and table cells), the title master's text once per presentation and, when
// "Count in headers and footers" is on, each slide's footer. The text is counted here, judged by
// code point (or by the low byte of each unit under the legacy byte rules).
class PowerPointCounter : public Counter {
 public:
  PowerPointCounter(CountHost& host, CountContext& context);
  ~PowerPointCounter() override;

  // Counts one text into the file's counts; a word never runs from one text into another.
  void CountShapeText(std::u16string_view text);
  // Counts the items of a grouped shape, re-reading the item count before every item.
  void CountGroupItems(powerpoint::Shape& group);

 protected:
  void TakeOptions(const CountOptions& options) override;
  bool StartServer() override;
  void ReleaseServer() override;
  FileOutcome CountFile(const std::string& path) override;

 private:
  FileOutcome CountPresentation(powerpoint::Presentation& presentation);
  // Returns false when a stop request was honoured among the slide's shapes.
  bool CountSlide(powerpoint::Slide& slide);
  void CountShape(powerpoint::Shape& shape);
  void CountTableCells(powerpoint::Shape& shape);
  void CountFrameText(powerpoint::Shape& shape);
  void CountTitleMaster(powerpoint::Presentation& presentation);
  void ReportFailure(const std::string& description);

  bool headersAndFooters_ = false;
  bool extraSymbolsAsWords_ = false;
  std::unique_ptr<powerpoint::Application> application_;
};

}  // namespace tw
