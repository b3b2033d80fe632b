#include "counting/Counter.h"

#include "text/CNumbers.h"
#include "counting/CountColumns.h"
#include "counting/PricingMode.h"

namespace tw {

Counter::Counter(CounterKind kind, CountHost& host, CountContext& context)
    : kind_(kind), host_(host), context_(context) {}

int Counter::Init(const Batch& batch, const CountOptions& options) {
  batch_ = batch;
  legacyByteRules_ = options.legacyByteRules;
  TakeOptions(options);
  counts_ = FileCounts{};
  stopRequest_.store(false);
  busy_.store(false);
  return 0;
}

void Counter::SetProgressPlace(int filesBefore, int filesInRun) {
  filesBefore_ = filesBefore;
  filesInRun_ = filesInRun;
}

void Counter::Run() {
  busy_.store(true);
  EnableCountControls(false);
  if (!StartServer()) {
    EndRun();
    return;
  }
  for (size_t k = 0; k + 1 < batch_.size(); k += 2) {
    if (StopsBeforeEachFile() && TakeStopRequest()) break;
    const std::string& path = batch_[k];
    const int row = static_cast<int>(ParseCInteger(batch_[k + 1]));
    host_.CountingFile(path, row, filesBefore_ + static_cast<int>(k / 2) + 1, filesInRun_);
    counts_ = FileCounts{};
    const FileOutcome outcome = CountFile(path);
    if (outcome == FileOutcome::Stopped) break;
    if (outcome == FileOutcome::Counted) FillResultRow(row);
  }
  ReleaseServer();
  EndRun();
}

void Counter::EndRun() {
  busy_.store(false);
  EnableCountControls(true);
}

void Counter::ShowMessage(const std::string& text) {
  host_.Messages().Show(text);
}

void Counter::FillResultRow(int row) {
  const std::string pricing = host_.PricingText();
  const int64_t charsWithSpaces = counts_.characters + counts_.spaces;
  host_.SetCellText(row, kWordsColumn, std::to_string(counts_.words));
  host_.SetCellText(row, kCharsWithSpacesColumn, std::to_string(charsWithSpaces));
  host_.SetCellText(row, kCharsColumn, std::to_string(counts_.characters));

  CountTotals& totals = context_.totals;
  totals.words += counts_.words;
  totals.charsWithSpaces += charsWithSpaces;
  totals.chars += counts_.characters;

  int64_t priced = counts_.characters;
  if (PricedCountColumn(pricing) == kWordsColumn) priced = counts_.words;
  if (PricedCountColumn(pricing) == kCharsWithSpacesColumn) priced = charsWithSpaces;
  const double rate = ParseCDouble(host_.CellText(row, kRateColumn));
  const double amount = static_cast<double>(priced) * rate;
  totals.amount += amount;
  host_.SetCellText(row, kAmountColumn, FormatFixed(amount, 2, 7));

  WriteTotalsHeaders(host_, totals);
}

void Counter::EnableCountControls(bool enable) {
  if (enable && context_.counters.AnyBusy()) return;
  host_.SetCountControlsEnabled(enable);
}

}  // namespace tw
