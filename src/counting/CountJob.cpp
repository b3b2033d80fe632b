#include "counting/CountJob.h"

#include <algorithm>
#include <array>

#include <optional>

#include "counting/FileCounter.h"
#include "counting/FileTypes.h"
#include "counting/OrderedBatch.h"
#include "counting/PdfCounter.h"
#include "counting/PowerPointCounter.h"
#include "counting/RepetitionFinder.h"
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

}  // namespace

// Everything one run shares between its batches.
struct CountJob::RunState {
  CountJobObserver& observer;
  int filesInRun = 0;
  int filesBefore = 0;  // of the batches before the one being counted
  CountTotals totals;
  bool stopped = false;
  RepetitionFinder repetitions;  // fed in run order
};

void CountJob::Run(CountJobObserver& observer) {
  const Batches batches = SortIntoBatches(input_.files);
  RunState run{.observer = observer,
               .filesInRun = FileCount(batches),
               .filesBefore = 0,
               .totals = {},
               .stopped = false,
               .repetitions = {}};
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
  DocumentReader inThisProcess;
  DocumentReader& reader = input_.reader != nullptr ? *input_.reader : inThisProcess;
  const auto countOne = [&](size_t index) {
    return CountFileOfBatch(kind, batch[index]->path, input_.options, stopBatch_, reader,
                            input_.jobs);
  };
  // Other threads count the files ahead; this one reports them in batch order. Documents read by
  // helper processes may have a thread more than the cores, to send a helper its next document
  // while the previous one is counted.
  const bool readInThisProcess = kind == CounterKind::Text || kind == CounterKind::Html;
  const int threads = input_.jobs + (readInThisProcess ? 0 : reader.SpareReadingThreads());
  std::optional<OrderedBatch> ahead;
  if (input_.jobs > 1 && batch.size() > 1)
    ahead.emplace(batch.size(), threads, countOne, stopBatch_, readInThisProcess);
  int number = run.filesBefore;
  for (size_t index = 0; index < batch.size(); ++index) {
    const JobFile* file = batch[index];
    if (stopBatch_.load()) {
      run.stopped = true;
      break;
    }
    run.observer.FileStarted(file->row, file->path, ++number, run.filesInRun);
    // A file reported as started is counted, even when a stop came before a thread took it.
    std::optional<FileCountResult> taken = ahead ? ahead->Take(index) : std::nullopt;
    const FileCountResult result = taken ? std::move(*taken) : countOne(index);
    if (result.status == FileCountResult::Status::Stopped) {
      run.stopped = true;
      break;
    }
    ReportFile(*file, result, run);
  }
  ahead.reset();  // waits for the files being counted ahead of a stop
  busy_.store(false);
  run.observer.BatchEnded();
}

void CountJob::ReportFile(const JobFile& file, const FileCountResult& result, RunState& run) {
  if (result.status == FileCountResult::Status::Failed) {
    run.observer.FileFailed(file.row, result.message);
    return;
  }
  FileCounts counts = result.counts;
  if (input_.options.units.repetitions) {
    counts.repeatedWords = std::min(run.repetitions.RepeatedWords(result.segments), counts.words);
  }
  const double amount = AmountOf(counts, input_.pricing, file.rate, input_.options.units);
  run.totals.Add(counts, amount);
  AddPricedUnits(run.totals, counts, input_.pricing, input_.options.units);
  run.observer.FileCounted(file.row, counts, amount, run.totals);
}

}  // namespace tw
