#include "cli/CountCommand.h"

#include "cli/CliCountHost.h"
#include "cli/FileCollector.h"
#include "cli/ResultWriter.h"
#include "counting/CountColumns.h"
#include "counting/CountRun.h"
#include "store/HtmlReport.h"

namespace tw::cli {
namespace {

std::string TrimLeft(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

std::vector<ResultRow> ResultsOf(const CountList& list, const CliCountHost& host) {
  std::vector<ResultRow> rows;
  for (int i = 0; i < list.RowCount(); ++i) {
    const CountRowCells& cells = list.Row(i);
    ResultRow row;
    row.path = cells[kFileColumn];
    row.counted = !cells[kWordsColumn].empty();
    row.words = cells[kWordsColumn];
    row.charsWithSpaces = cells[kCharsWithSpacesColumn];
    row.chars = cells[kCharsColumn];
    row.currency = cells[kCurrencyColumn];
    row.rate = cells[kRateColumn];
    row.amount = TrimLeft(cells[kAmountColumn]);
    row.error = host.ErrorOfRow(i);
    if (!row.counted && row.error.empty()) {
      row.error = BatchKindOfPath(row.path) ? "not counted" : "not a countable file type";
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// Report failures go to stderr like every other message of the command line.
class StderrMessageService : public MessageService {
 public:
  explicit StderrMessageService(std::ostream& errors) : errors_(errors) {}
  MessageAnswer Show(const std::string& text, MessageButtons, MessageIcon) override {
    errors_ << "tallywright-count: " << text << '\n';
    return MessageAnswer::Ok;
  }

 private:
  std::ostream& errors_;
};

}  // namespace

int RunCountCommand(const CommandLine& line, std::ostream& out, std::ostream& errors,
                    ServerRegistry& servers) {
  const CollectedFiles collected = CollectFiles(line.paths, line.recursive);
  for (const std::string& error : collected.errors)
    errors << "tallywright-count: " << error << '\n';

  CountList list;
  for (const std::string& file : collected.files) {
    list.AppendRow({file, "", "", "", line.currency, line.rate, ""});
  }
  CliCountHost host(list, errors);
  host.SetControlValues({line.rate, line.currency, line.pricing});
  CountContext context;
  context.options = line.options;
  context.servers = &servers;
  context.current = host.ControlValues();

  bool allCounted = collected.errors.empty();
  if (list.RowCount() > 0) {
    OnCountStatistic(host, context, StandardCounterFactory());
  }
  const std::vector<ResultRow> rows = ResultsOf(list, host);
  for (const ResultRow& row : rows) {
    if (!row.counted) {
      allCounted = false;
      if (row.error == "not counted" || row.error == "not a countable file type") {
        errors << row.path << ": " << row.error << '\n';
      }
    }
  }
  WriteResults(out, line.format, rows, context.totals);
  bool reportWritten = true;
  if (!line.reportPath.empty()) {
    StderrMessageService messages(errors);
    reportWritten =
        WriteHtmlReport(line.reportPath, list, context.current.pricing, context.totals, messages);
  }
  return allCounted && reportWritten ? 0 : 1;
}

}  // namespace tw::cli
