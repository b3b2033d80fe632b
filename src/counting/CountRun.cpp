#include "counting/CountRun.h"

#include <string>

#include "counting/CountColumns.h"

namespace tw {
namespace {

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string_view Tail(std::string_view path, size_t length) {
  return path.size() <= length ? path : path.substr(path.size() - length);
}

int FileCount(const Batch& batch) {
  return static_cast<int>(batch.size() / 2);
}

void RunCounter(CounterKind kind, const Batch& batch, int filesBefore, int filesInRun,
                CountHost& host, CountContext& context, const CounterFactory& factory) {
  std::unique_ptr<Counter> counter = factory.Create(kind, host, context);
  if (!counter) return;
  context.counters.Register(kind, counter.get());
  counter->Init(batch, context.options);
  counter->SetProgressPlace(filesBefore, filesInRun);
  counter->Run();
  context.counters.Unregister(kind);
}

}  // namespace

std::optional<CounterKind> BatchKindOfPath(std::string_view path) {
  const std::string lower = AsciiLower(Tail(path, 4));
  const std::string_view t4 = lower;
  const std::string_view t3 = Tail(t4, 3);
  if (t3 == "txt") return CounterKind::Text;
  if (t3 == "doc" || t3 == "rtf" || t4 == "docx") return CounterKind::Word;
  if (t3 == "xls") return std::nullopt;
  if (t3 == "ppt" || t4 == "pptx") return CounterKind::PowerPoint;
  if (t3 == "htm" || t4 == "html") return CounterKind::Html;
  if (t3 == "pdf") return CounterKind::Pdf;
  return std::nullopt;
}

Batches BuildBatches(CountHost& host) {
  Batches batches;
  const int rows = host.RowCount();
  for (int i = 0; i < rows; ++i) {
    // The tail test uses the lower-cased path, but the counter gets the path as listed: file
    // names are case-sensitive here.
    std::string path = host.CellText(i, kFileColumn);
    const std::optional<CounterKind> kind = BatchKindOfPath(path);
    if (!kind) continue;
    Batch& batch = batches[static_cast<size_t>(*kind)];
    batch.push_back(std::move(path));
    batch.push_back(std::to_string(i));
  }
  return batches;
}

void OnCountStatistic(CountHost& host, CountContext& context, const CounterFactory& factory) {
  const int rows = host.RowCount();
  context.totals.Reset();
  if (rows == 0) {
    host.Messages().Show("There is nothing to count! Choose files first!");
    return;
  }
  const Batches batches = BuildBatches(host);
  int filesInRun = 0;
  for (const Batch& batch : batches) filesInRun += FileCount(batch);

  int filesBefore = 0;
  for (CounterKind kind : kRunOrder) {
    const Batch& batch = batches[static_cast<size_t>(kind)];
    if (batch.empty()) continue;
    RunCounter(kind, batch, filesBefore, filesInRun, host, context, factory);
    filesBefore += FileCount(batch);
  }
  host.TakeCurrentValuesFromControls(context.current);
  host.CountingFinished();
}

}  // namespace tw
