#include "counting/CountJob.h"

#include <sys/stat.h>

#include <array>

#include "counting/ByteFileCounter.h"
#include "counting/FileTypes.h"
#include "counting/PdfCounter.h"
#include "counting/PowerPointCounter.h"
#include "counting/TextDocumentCounter.h"
#include "counting/WordCounter.h"

namespace tw {
namespace {

using Batch = std::vector<const JobFile*>;
using Batches = std::array<Batch, kCounterKindCount>;

Batches SortIntoBatches(const std::vector<JobFile>& files) {
  Batches batches;
  for (const JobFile& file : files) {
    if (const std::optional<CounterKind> kind = BatchKindOfPath(file.path)) {
      batches[static_cast<size_t>(*kind)].push_back(&file);
    }
  }
  return batches;
}

int FileCount(const Batches& batches) {
  size_t count = 0;
  for (const Batch& batch : batches) count += batch.size();
  return static_cast<int>(count);
}

// A FIFO, device or socket named like a document would block or never end in a reader that
// opens it as a stream; every counter refuses it the way the text counter always has.
bool IsSpecialFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

FileCountResult CountFile(CounterKind kind, const std::string& path, const CountOptions& options,
                          const StopFlag& stop) {
  if (IsSpecialFile(path)) {
    return FileCountResult::Failed("Couldn't open file: " + path + " (not a regular file)");
  }
  switch (kind) {
    case CounterKind::Text:
      return CountTextFile(path, options);
    case CounterKind::Word:
      return CountWordFile(path, options);
    case CounterKind::PowerPoint:
      return CountPresentationFile(path, options, stop);
    case CounterKind::Html:
      return CountHtmlFile(path, options);
    case CounterKind::Pdf:
      return CountPdfFile(path, options, stop);
    default:
      break;
  }
  return CountTextDocumentFile(kind, path, options);
}

}  // namespace

// Everything one run shares between its batches.
struct CountJob::RunState {
  CountJobObserver& observer;
  int filesInRun = 0;
  int filesBefore = 0;  // of the batches before the one being counted
  CountTotals totals;
  bool stopped = false;
};

void CountJob::Run(CountJobObserver& observer) {
  const Batches batches = SortIntoBatches(input_.files);
  RunState run{.observer = observer,
               .filesInRun = FileCount(batches),
               .filesBefore = 0,
               .totals = {},
               .stopped = false};
  for (size_t kind = 0; kind < batches.size(); ++kind) {
    if (batches[kind].empty()) continue;
    // A stop ends the batch it reached; the next batch starts afresh, unless the run was
    // cancelled (Cancel sets its flag before the stop flag, so it is seen here or at the next
    // test point).
    stopBatch_.store(false);
    if (cancelled_.load()) break;
    RunBatch(static_cast<CounterKind>(kind), batches[kind], run);
    run.filesBefore += static_cast<int>(batches[kind].size());
  }
  observer.Finished(run.stopped || cancelled_.load(), run.totals);
}

void CountJob::RunBatch(CounterKind kind, const std::vector<const JobFile*>& batch, RunState& run) {
  busy_.store(true);
  run.observer.BatchStarted();
  int number = run.filesBefore;
  for (const JobFile* file : batch) {
    if (stopBatch_.load()) {
      run.stopped = true;
      break;
    }
    run.observer.FileStarted(file->row, file->path, ++number, run.filesInRun);
    const FileCountResult result = CountFile(kind, file->path, input_.options, stopBatch_);
    if (result.status == FileCountResult::Status::Stopped) {
      run.stopped = true;
      break;
    }
    ReportFile(*file, result, run);
  }
  busy_.store(false);
  run.observer.BatchEnded();
}

void CountJob::ReportFile(const JobFile& file, const FileCountResult& result, RunState& run) {
  if (result.status == FileCountResult::Status::Failed) {
    run.observer.FileFailed(file.row, result.message);
    return;
  }
  const double amount = AmountOf(result.counts, input_.pricing, file.rate);
  run.totals.Add(result.counts, amount);
  run.observer.FileCounted(file.row, result.counts, amount, run.totals);
}

}  // namespace tw
