// The count list's add and remove operations at the sizes a large job reaches, each beside the
// straightforward way (every path compared with every row; rows erased one at a time) as the
// baseline to compare with.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "app/CountListView.h"
#include "app/CountListAdder.h"
#include "app/CountListModel.h"
#include "app/WindowCountHost.h"
#include "counting/CountColumns.h"
#include "counting/CountContext.h"
#include "counting/CountList.h"
#include "counting/PricingActions.h"

namespace {

const tw::CurrentValues kCurrent{"0.05", "USD", "Words"};

std::vector<std::string> Paths(int count) {
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i)
    paths.push_back("/home/user/jobs/2026/" + std::to_string(i) + ".txt");
  return paths;
}

void BM_AddAllHashed(benchmark::State& state) {
  const std::vector<std::string> paths = Paths(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    tw::CountListModel model;
    tw::CountListAdder::AddAll(model, paths, kCurrent);
    benchmark::DoNotOptimize(model.Rows());
  }
}
BENCHMARK(BM_AddAllHashed)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

// Baseline: each path compared with every row already listed.
void BM_AddAllPairwise(benchmark::State& state) {
  const std::vector<std::string> paths = Paths(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    tw::CountList list;
    for (const std::string& path : paths) {
      bool listed = false;
      for (int row = 0; row < list.RowCount() && !listed; ++row) {
        listed = list.Cell(row, tw::kFileColumn) == path;
      }
      if (!listed) list.AppendRow({path, "", "", "", kCurrent.currency, kCurrent.rate, ""});
    }
    benchmark::DoNotOptimize(list.RowCount());
  }
}
BENCHMARK(BM_AddAllPairwise)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

std::vector<int> EveryOtherRow(int rows) {
  std::vector<int> doomed;
  for (int row = 0; row < rows; row += 2) doomed.push_back(row);
  return doomed;
}

void BM_RemoveEveryOtherRowModel(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::vector<std::string> paths = Paths(rows);
  for (auto _ : state) {
    state.PauseTiming();
    tw::CountListModel model;
    tw::CountListAdder::AddAll(model, paths, kCurrent);
    state.ResumeTiming();
    model.RemoveRows(EveryOtherRow(rows));
    benchmark::DoNotOptimize(model.Rows());
  }
}
BENCHMARK(BM_RemoveEveryOtherRowModel)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Baseline: the rows erased one by one from the list.
void BM_RemoveEveryOtherRowErase(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::vector<std::string> paths = Paths(rows);
  for (auto _ : state) {
    state.PauseTiming();
    tw::CountList list;
    for (const std::string& path : paths) list.AppendRow({path, "", "", "", "", "", ""});
    state.ResumeTiming();
    list.RemoveRows(EveryOtherRow(rows));
    benchmark::DoNotOptimize(list.RowCount());
  }
}
BENCHMARK(BM_RemoveEveryOtherRowErase)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

class SilentMessages : public tw::MessageService {
 public:
  tw::MessageAnswer Show(const std::string&, tw::MessageButtons, tw::MessageIcon) override {
    return tw::MessageAnswer::Ok;
  }
};

QApplication& App() {
  static int argc = 1;
  static char name[] = "window_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

// A rate change rewrites the rate and the amount of every row of a shown count list.
void BM_RateChangeOnShownList(benchmark::State& state) {
  App();
  const int rows = static_cast<int>(state.range(0));
  tw::CountListModel model;
  tw::CountListAdder::AddAll(model, Paths(rows), kCurrent);
  for (int row = 0; row < rows; ++row) model.SetCell(row, tw::kWordsColumn, "120");
  tw::CountListView view;
  view.SetCountModel(&model);
  view.resize(1000, 600);
  view.show();
  QLineEdit rate;
  QComboBox currency;
  QComboBox pricing;
  SilentMessages messages;
  tw::WindowCountHost::Parts parts;
  parts.model = &model;
  parts.rateEdit = &rate;
  parts.currencyCombo = &currency;
  parts.pricingCombo = &pricing;
  parts.messages = &messages;
  tw::WindowCountHost host(std::move(parts));
  tw::CountContext context;
  context.current = kCurrent;
  int step = 0;
  for (auto _ : state) {
    tw::OnRateChanged(host, context, "0.0" + std::to_string(++step % 9 + 1));
    QApplication::processEvents();
  }
  state.counters["rows"] = rows;
}
BENCHMARK(BM_RateChangeOnShownList)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
