// The main window under load: a count of 10 000 tiny text files run through the window, measuring
// the longest time the window thread is kept from its timers while the job reports; and the
// count list's add and remove operations at the sizes a large job reaches.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/CountListAdder.h"
#include "app/CountListModel.h"
#include "app/MainWindow.h"

namespace {

namespace fs = std::filesystem;

const tw::CurrentPricing kCurrent{"0.05", 0.05, "USD", "Words"};

QApplication& App() {
  static int argc = 1;
  static char name[] = "window_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

class SilentMessages : public tw::MessageService {
 public:
  tw::MessageAnswer Show(const std::string&, tw::MessageButtons, tw::MessageIcon) override {
    return tw::MessageAnswer::Ok;
  }
};

// A folder of tiny text files, removed afterwards; the window's settings go there too.
class TinyFiles {
 public:
  explicit TinyFiles(int count)
      : root_(fs::temp_directory_path() / ("window_bench_" + std::to_string(::getpid()))) {
    fs::create_directories(root_);
    for (int i = 0; i < count; ++i) {
      // Appended piece by piece: g++ 12 warns wrongly about `"f" + std::to_string(i)`.
      std::string name = std::to_string(i);
      name.insert(0, 1, 'f');
      name += ".txt";
      const fs::path path = root_ / name;
      std::ofstream(path) << "word " << i << " and some more\n";
      paths_.push_back(path.string());
    }
  }
  ~TinyFiles() { fs::remove_all(root_); }
  const fs::path& Root() const { return root_; }
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  fs::path root_;
  std::vector<std::string> paths_;
};

// Counts the files through a shown window while a 1 ms timer notes the longest gap between its
// ticks: how long the window thread was held at a time.
void BM_CountThroughTheWindow(benchmark::State& state) {
  App();
  const TinyFiles files(static_cast<int>(state.range(0)));
  const fs::path previous = fs::current_path();
  fs::current_path(files.Root());
  SilentMessages messages;
  tw::MainWindow window(messages);
  window.AddFiles(files.Paths());
  window.show();
  // The window's first layout and paint are not the job's doing: let them happen first.
  {
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
  }
  qint64 longestGap = 0;
  qint64 idleGap = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, clock.restart()); });
    QEventLoop loop;
    QObject::connect(&window, &tw::MainWindow::countRunFinished, &loop, &QEventLoop::quit);
    clock.start();
    ticker.start();
    // A second without a count first: what the machine itself costs the timer.
    QEventLoop idle;
    QTimer::singleShot(1000, &idle, &QEventLoop::quit);
    idle.exec();
    idleGap = longestGap;
    longestGap = 0;
    window.OnCountStatistic();
    loop.exec();
  }
  std::printf("longest time the window thread was held: %lld ms (idle: %lld ms)\n",
              static_cast<long long>(longestGap), static_cast<long long>(idleGap));
  state.counters["longest_gap_ms"] = static_cast<double>(longestGap);
  state.counters["idle_gap_ms"] = static_cast<double>(idleGap);
  state.counters["files"] = static_cast<double>(files.Paths().size());
  fs::current_path(previous);
}
BENCHMARK(BM_CountThroughTheWindow)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

std::vector<std::string> Paths(int count) {
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    paths.push_back("/home/user/jobs/2026/" + std::to_string(i) + ".txt");
  }
  return paths;
}

void BM_AddAll(benchmark::State& state) {
  const std::vector<std::string> paths = Paths(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    tw::CountListModel model;
    tw::CountListAdder::AddAll(model, paths, kCurrent);
    benchmark::DoNotOptimize(model.RowCount());
  }
}
BENCHMARK(BM_AddAll)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RemoveEveryOtherRow(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::vector<std::string> paths = Paths(rows);
  std::vector<int> doomed;
  for (int row = 0; row < rows; row += 2) doomed.push_back(row);
  for (auto _ : state) {
    state.PauseTiming();
    tw::CountListModel model;
    tw::CountListAdder::AddAll(model, paths, kCurrent);
    state.ResumeTiming();
    model.RemoveRows(doomed);
    benchmark::DoNotOptimize(model.RowCount());
  }
}
BENCHMARK(BM_RemoveEveryOtherRow)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
