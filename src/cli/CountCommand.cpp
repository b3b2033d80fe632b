#include "cli/CountCommand.h"

#include <algorithm>
#include <optional>
#include <thread>

#include "cli/FailureReason.h"
#include "cli/FileCollector.h"
#include "cli/ResultWriter.h"
#include "counting/CountJob.h"
#include "counting/FileTypes.h"
#include "formats/isolation/ReaderPool.h"
#include "store/CountExport.h"
#include "store/HtmlReport.h"
#include "text/CNumbers.h"

namespace tw::cli {
namespace {

constexpr const char* kNotCounted = "not counted";
constexpr const char* kNotCountable = "not a countable file type";

// Records what the job reports into the rows; a file's failure goes to stderr as it happens.
class RowRecorder : public CountJobObserver {
 public:
  RowRecorder(std::vector<ResultRow>& rows, std::ostream& errors) : rows_(rows), errors_(errors) {}

  void FileStarted(int, const std::string&, int, int) override {}
  void FileCounted(int row, const FileCounts& counts, double amount, const CountTotals&) override {
    CountRow& counted = rows_.at(static_cast<size_t>(row)).row;
    counted.counts = counts;
    counted.amount = amount;
  }
  void FileFailed(int row, const std::string& message) override {
    ResultRow& failed = rows_.at(static_cast<size_t>(row));
    // A file the system will not open is reported in the system's words. Asked only of files
    // that failed, so a good file is opened once.
    failed.error =
        UnreadableReason(failed.row.path).value_or(ReasonWithoutPath(message, failed.row.path));
    errors_ << ErrorLine(failed.row.path, failed.error) << '\n';
  }
  void Finished(bool, const CountTotals& totals) override { totals_ = totals; }

  const CountTotals& Totals() const { return totals_; }

 private:
  std::vector<ResultRow>& rows_;
  std::ostream& errors_;
  CountTotals totals_;
};

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

std::vector<ResultRow> RowsOf(const std::vector<std::string>& files, const CommandLine& line) {
  std::vector<ResultRow> rows;
  for (const std::string& file : files) {
    ResultRow& result = rows.emplace_back();
    result.row.path = file;
    result.row.currency = line.currency;
    result.row.rateText = line.rate;
    result.row.rate = ParseCDouble(line.rate);
  }
  return rows;
}

CountJobInput JobInputOf(const std::vector<ResultRow>& rows, const CommandLine& line) {
  CountJobInput input;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].error.empty()) continue;
    input.files.push_back({static_cast<int>(i), rows[i].row.path, rows[i].row.rate});
  }
  input.options = line.options;
  input.pricing = PricingModeOf(line.pricing);
  return input;
}

int JobsOf(const CommandLine& line) {
  if (line.jobs > 0) return line.jobs;
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

CountTotals Count(std::vector<ResultRow>& rows, const CommandLine& line, std::ostream& errors) {
  RowRecorder recorder(rows, errors);
  if (rows.empty()) return recorder.Totals();
  CountJobInput input = JobInputOf(rows, line);
  input.jobs = JobsOf(line);
  std::optional<ReaderPool> helpers;
  if (line.isolation) input.reader = &helpers.emplace(input.jobs);
  CountJob(std::move(input)).Run(recorder);
  return recorder.Totals();
}

// Rows the job left without counts or a reason are told apart by whether they open and by their
// type.
bool ReportUncounted(std::vector<ResultRow>& rows, std::ostream& errors) {
  bool allCounted = true;
  for (ResultRow& result : rows) {
    if (result.row.counts) continue;
    allCounted = false;
    if (!result.error.empty()) continue;
    const char* byType = BatchKindOfPath(result.row.path) ? kNotCounted : kNotCountable;
    result.error = UnreadableReason(result.row.path).value_or(byType);
    errors << ErrorLine(result.row.path, result.error) << '\n';
  }
  return allCounted;
}

std::vector<CountRow> CountRowsOf(const std::vector<ResultRow>& rows) {
  std::vector<CountRow> countRows;
  for (const ResultRow& result : rows) countRows.push_back(result.row);
  return countRows;
}

// The export names each failed file's reason in its row.
bool WriteExport(const std::string& path, const std::vector<ResultRow>& rows,
                 const CountTotals& totals, const ExportUnits& units, std::ostream& errors) {
  std::vector<CountRow> countRows = CountRowsOf(rows);
  for (size_t i = 0; i < rows.size(); ++i) countRows[i].failure = rows[i].error;
  const std::string error = WriteCountExport(path, countRows, totals, units);
  if (error.empty()) return true;
  errors << "tallywright-count: " << path << ": " << error << '\n';
  return false;
}

}  // namespace

int RunCountCommand(const CommandLine& line, std::ostream& out, std::ostream& allErrors) {
  std::ostream discarded(nullptr);  // without a buffer, writes to it are dropped
  std::ostream& errors = line.quiet ? discarded : allErrors;
  const CollectedFiles collected = CollectFiles(line.paths, line.recursive);
  for (const std::string& error : collected.errors)
    errors << "tallywright-count: " << error << '\n';

  std::vector<ResultRow> rows = RowsOf(collected.files, line);
  const CountTotals totals = Count(rows, line, errors);
  const bool allCounted = ReportUncounted(rows, errors) && collected.errors.empty();
  WriteResults(out, line.format, rows, totals, line.options.include, line.options.profile,
               line.columns, line.options.units);
  bool reportWritten = true;
  if (!line.reportPath.empty()) {
    StderrMessageService messages(errors);
    reportWritten =
        WriteHtmlReport(line.reportPath, CountRowsOf(rows), line.pricing, totals, messages,
                        line.options.include, line.options.profile, line.options.units);
  }
  const bool exported =
      line.exportPath.empty() || WriteExport(line.exportPath, rows, totals,
                                             {line.columns.lines, line.columns.pages,
                                              line.columns.repetitions, line.options.units},
                                             errors);
  return allCounted && reportWritten && exported ? 0 : 1;
}

}  // namespace tw::cli
