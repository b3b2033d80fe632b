// The folder browser on large folders: listing a folder of 100 000 files, "Add all" of those rows,
// and the subtree walk over 100 000 files in 1 000 folders, each beside a floor measured in the
// same run (enumerating and stat-ing the same entries without any list). The quadratic duplicate
// test the list used to make is measured at a smaller size for comparison.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "app/CountListAdder.h"
#include "app/CountListModel.h"
#include "browser/FileList.h"
#include "browser/DirectoryEntries.h"
#include "browser/EscapeMonitor.h"
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

void BM_ListFolderFiles100k(benchmark::State& state) {
  App();
  const std::string folder = FlatFolder().string();
  tw::FileList list;
  list.TypeFlags().CountTxt = 1;
  for (auto _ : state) list.ListFolderFiles(folder);
  state.counters["rows"] = list.RowCount();
}
BENCHMARK(BM_ListFolderFiles100k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AddAll100k(benchmark::State& state) {
  App();
  tw::FileList list;
  list.TypeFlags().CountTxt = 1;
  list.ListFolderFiles(FlatFolder().string());
  const tw::CurrentValues current{"0.05", "USD", "Words"};
  for (auto _ : state) {
    state.PauseTiming();
    tw::CountListModel model;
    state.ResumeTiming();
    tw::CountListAdder::AddAll(model, list.AllFullPaths(), current);
    benchmark::DoNotOptimize(model.rowCount());
  }
}
BENCHMARK(BM_AddAll100k)->Unit(benchmark::kMillisecond)->Iterations(3);

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
  App();
  const std::string folder = DeepFolder().string();
  tw::FileList list;
  list.TypeFlags().CountTxt = 1;
  // A zero timer fires at every event delivery of the walk: the longest gap between two firings
  // is the longest an Escape press waits to be seen.
  QTimer pump;
  pump.setInterval(0);
  auto last = std::chrono::steady_clock::now();
  double longestGapMs = 0;
  QObject::connect(&pump, &QTimer::timeout, [&] {
    const auto now = std::chrono::steady_clock::now();
    longestGapMs =
        std::max(longestGapMs, std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
  });
  for (auto _ : state) {
    list.DeleteAllItems();
    pump.start();
    last = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(list.ListFolderTreeFiles(folder));
    pump.stop();
  }
  state.counters["rows"] = list.RowCount();
  state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_SubtreeWalk100kIn1000Folders)->Unit(benchmark::kMillisecond)->Iterations(3);

// Time from the Escape key press (a timer 200 ms into the walk) to the walk's return.
void BM_SubtreeWalkEscapeLatency(benchmark::State& state) {
  App();
  const std::string folder = DeepFolder().string();
  tw::FileList list;
  list.TypeFlags().CountTxt = 1;
  double worstMs = 0;
  for (auto _ : state) {
    list.DeleteAllItems();
    std::chrono::steady_clock::time_point pressed;
    QTimer::singleShot(200, [&] {
      pressed = std::chrono::steady_clock::now();
      tw::EscapeMonitor::Application()->Record();
    });
    const int result = list.ListFolderTreeFiles(folder);
    const auto returned = std::chrono::steady_clock::now();
    if (result != tw::FileList::kWalkEscaped) state.SkipWithError("walk was not stopped");
    worstMs =
        std::max(worstMs, std::chrono::duration<double, std::milli>(returned - pressed).count());
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

void BM_ListFolderFiles10k(benchmark::State& state) {
  App();
  const fs::path folder = BenchRoot() / "flat10k";
  if (!fs::exists(folder / "file9999.txt")) MakeFiles(folder, 10'000);
  tw::FileList list;
  list.TypeFlags().CountTxt = 1;
  for (auto _ : state) list.ListFolderFiles(folder.string());
}
BENCHMARK(BM_ListFolderFiles10k)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
