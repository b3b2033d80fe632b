// The folder browser on large folders: listing a folder of 100 000 files and the subtree walk over
// 100 000 files in 1 000 folders, each beside a floor measured in the same run (enumerating and
// stat-ing the same entries without any list). The walks run off the window thread; what counts
// for the user is the total time and the longest the window thread is kept busy at a stretch
// (by the rows arriving), measured as the longest gap between firings of a zero timer.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <time.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "browser/DirectoryEntries.h"
#include "browser/EscapeMonitor.h"
#include "browser/FileList.h"
#include "browser/FileListRow.h"

namespace {

namespace fs = std::filesystem;

QApplication& App() {
  static int argc = 1;
  static char name[] = "browser_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

fs::path BenchRoot() {
  return fs::temp_directory_path() / "tw-browser-bench";
}

void MakeFiles(const fs::path& folder, int count) {
  fs::create_directories(folder);
  for (int i = 0; i < count; ++i)
    std::ofstream(folder / ("file" + std::to_string(i) + ".txt")) << 'x';
}

// 100 000 files in one folder.
const fs::path& FlatFolder() {
  static const fs::path folder = [] {
    const fs::path path = BenchRoot() / "flat";
    if (!fs::exists(path / "file99999.txt")) MakeFiles(path, 100'000);
    return path;
  }();
  return folder;
}

// 100 000 files in 1 000 folders (10 top folders of 100 sub-folders of 100 files). The names are
// unique across folders so that every file is listed.
const fs::path& DeepFolder() {
  static const fs::path folder = [] {
    const fs::path path = BenchRoot() / "deep";
    if (!fs::exists(path / "t9" / "s99" / "f9999999.txt")) {
      for (int top = 0; top < 10; ++top)
        for (int sub = 0; sub < 100; ++sub) {
          const fs::path dir = path / ("t" + std::to_string(top)) / ("s" + std::to_string(sub));
          fs::create_directories(dir);
          for (int i = 0; i < 100; ++i)
            std::ofstream(dir / ("f" + std::to_string(top * 1'000'000 + sub * 10'000 + i) + ".txt"))
                << 'x';
        }
    }
    return path;
  }();
  return folder;
}

void EnumerateAndStat(const std::string& folder, long& files) {
  for (const tw::DirectoryEntry& entry : tw::DirectoryEntries::Read(folder)) {
    const std::string path = tw::DirectoryEntries::Join(folder, entry.name);
    if (entry.kind == tw::DirectoryEntry::Kind::Folder) {
      EnumerateAndStat(path, files);
      continue;
    }
    struct stat info {};
    ::stat(path.c_str(), &info);
    benchmark::DoNotOptimize(tw::FileListRow::FormatModified(info.st_mtim.tv_sec));
    ++files;
  }
}

void BM_Floor_EnumerateAndStatFlat(benchmark::State& state) {
  const std::string folder = FlatFolder().string();
  for (auto _ : state) {
    long files = 0;
    EnumerateAndStat(folder, files);
    benchmark::DoNotOptimize(files);
  }
}
BENCHMARK(BM_Floor_EnumerateAndStatFlat)->Unit(benchmark::kMillisecond)->Iterations(3);

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of the calling thread: the part of a stall the window thread spent working, as opposed
// to waiting for a core on a busy machine.
double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Stalls {
  double longestMs = 0;      // wall time between two visits of the event loop
  double longestBusyMs = 0;  // the window thread's own CPU time between two visits
};

// Runs the window's event loop until the list's listing has ended, measuring how long at most
// the window thread went without reaching its event loop.
Stalls RunUntilListed(tw::FileList& list) {
  Stalls stalls;
  auto last = Clock::now();
  double lastCpu = ThreadCpuMs();
  auto mark = [&] {
    stalls.longestMs = std::max(stalls.longestMs, MsSince(last));
    stalls.longestBusyMs = std::max(stalls.longestBusyMs, ThreadCpuMs() - lastCpu);
    last = Clock::now();
    lastCpu = ThreadCpuMs();
  };
  QTimer pump;
  pump.setInterval(0);
  QObject::connect(&pump, &QTimer::timeout, mark);
  pump.start();
  while (list.IsListing()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  mark();
  return stalls;
}

void Report(benchmark::State& state, const Stalls& stalls, int rows) {
  state.counters["rows"] = rows;
  state.counters["longest_stall_ms"] = stalls.longestMs;
  state.counters["longest_busy_ms"] = stalls.longestBusyMs;
}

void Keep(Stalls& worst, const Stalls& stalls) {
  worst.longestMs = std::max(worst.longestMs, stalls.longestMs);
  worst.longestBusyMs = std::max(worst.longestBusyMs, stalls.longestBusyMs);
}

// A shown list, so that the view does its real work for every batch.
struct ShownList {
  ShownList() {
    list.resize(800, 600);
    list.show();
    list.TypeFlags().CountTxt = 1;
  }
  QApplication& app = App();
  tw::FileList list;
};

void BM_ListFolderFiles100k(benchmark::State& state) {
  const std::string folder = FlatFolder().string();
  ShownList shown;
  Stalls worst;
  for (auto _ : state) {
    shown.list.ListFolderFiles(folder);
    Keep(worst, RunUntilListed(shown.list));
  }
  Report(state, worst, shown.list.RowCount());
}
BENCHMARK(BM_ListFolderFiles100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_Floor_EnumerateAndStatDeep(benchmark::State& state) {
  const std::string folder = DeepFolder().string();
  for (auto _ : state) {
    long files = 0;
    EnumerateAndStat(folder, files);
    benchmark::DoNotOptimize(files);
  }
}
BENCHMARK(BM_Floor_EnumerateAndStatDeep)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SubtreeWalk100kIn1000Folders(benchmark::State& state) {
  const std::string folder = DeepFolder().string();
  ShownList shown;
  Stalls worst;
  for (auto _ : state) {
    shown.list.DeleteAllItems();
    shown.list.ListFolderTreeFiles(folder);
    Keep(worst, RunUntilListed(shown.list));
  }
  Report(state, worst, shown.list.RowCount());
}
BENCHMARK(BM_SubtreeWalk100kIn1000Folders)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// Time from the Escape key press (a timer 200 ms into the walk) to the end of the walk as the
// window sees it.
void BM_SubtreeWalkEscapeLatency(benchmark::State& state) {
  const std::string folder = DeepFolder().string();
  ShownList shown;
  double worstMs = 0;
  for (auto _ : state) {
    shown.list.DeleteAllItems();
    Clock::time_point pressed;
    QTimer::singleShot(200, [&] {
      pressed = Clock::now();
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QCoreApplication::sendEvent(&shown.list, &press);
    });
    shown.list.ListFolderTreeFiles(folder);
    RunUntilListed(shown.list);
    if (shown.list.RowCount() >= 100'000) state.SkipWithError("walk was not stopped");
    worstMs = std::max(worstMs, MsSince(pressed));
  }
  state.counters["escape_ms"] = worstMs;
}
BENCHMARK(BM_SubtreeWalkEscapeLatency)->Unit(benchmark::kMillisecond)->Iterations(3);

// The duplicate test as a scan of every row per added file, for comparison with the hashed test
// the list uses (the same 10 000 names both ways).
void BM_QuadraticDuplicateTest10k(benchmark::State& state) {
  std::vector<std::string> names;
  for (int i = 0; i < 10'000; ++i) names.push_back("file" + std::to_string(i) + ".txt");
  for (auto _ : state) {
    std::vector<std::string> rows;
    for (const std::string& name : names) {
      bool found = false;
      for (const std::string& row : rows) found = found || row == name;
      if (!found) rows.push_back(name);
    }
    benchmark::DoNotOptimize(rows.size());
  }
}
BENCHMARK(BM_QuadraticDuplicateTest10k)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
