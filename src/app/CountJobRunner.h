#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include <QMetaType>
#include <QObject>
#include <QString>

#include "counting/CountJob.h"
#include "formats/isolation/ReaderPool.h"

Q_DECLARE_METATYPE(tw::FileCounts)
Q_DECLARE_METATYPE(tw::CountTotals)

namespace tw {

// Runs one count job at a time on a thread of its own and hands its reports to the window
// thread as signals, in the order the job made them. The worker only appends to a locked queue;
// the window thread takes the queue in slices of a few milliseconds, so a job that reports
// faster than the window can draw never holds the window up, and the worker never waits for it.
class CountJobRunner : public QObject, private CountJobObserver {
  Q_OBJECT

 public:
  explicit CountJobRunner(QObject* parent = nullptr);
  // Cancels a job still running and waits for its thread, which stops at its next test point.
  ~CountJobRunner() override;

  // Starts the job unless one is running; false when one is.
  bool Start(CountJobInput input);
  // From Start until `finished` has been emitted.
  bool IsRunning() const { return job_ != nullptr; }
  // Whether a batch is being counted now.
  bool IsBusy() const { return job_ != nullptr && job_->IsBusy(); }
  void RequestStop();
  void Cancel();

  // Test seam: called on the worker thread when a file has been reported as started and before
  // it is counted, so a test can hold the job on a file while it looks at the window.
  void SetWorkerHook(std::function<void(int row)> hook) { hook_ = std::move(hook); }

 signals:
  void fileStarted(int row, const QString& path, int number, int total);
  void fileCounted(int row, const tw::FileCounts& counts, double amount,
                   const tw::CountTotals& totals);
  void fileFailed(int row, const QString& message);
  void batchStarted();
  void batchEnded();
  // The job has ended and its thread is gone; a new job may start from a slot of this signal.
  void finished(bool stopped, const tw::CountTotals& totals);

 private:
  // One observer call, kept until the window thread emits it.
  struct Report {
    enum class Kind { Started, Counted, Failed, BatchStarted, BatchEnded, Finished };
    Kind kind = Kind::Finished;
    int row = 0;
    std::string text;
    int number = 0;
    int total = 0;
    FileCounts counts;
    double amount = 0.0;
    CountTotals totals;
    bool stopped = false;
  };

  // CountJobObserver, called on the worker thread.
  void FileStarted(int row, const std::string& path, int number, int total) override;
  void FileCounted(int row, const FileCounts& counts, double amount,
                   const CountTotals& totals) override;
  void FileFailed(int row, const std::string& message) override;
  void BatchStarted() override;
  void BatchEnded() override;
  void Finished(bool stopped, const CountTotals& totals) override;

  static Report Make(Report::Kind kind, int row = 0);
  void Work();
  void Post(Report report);
  void Deliver();
  void Emit(const Report& report);
  void EndJob(const Report& report);

  // Counts the files of a batch at once (one per core) and reads documents in helper processes
  // kept from run to run, so that no document can take the window down.
  const int jobs_;
  ReaderPool readers_;
  std::unique_ptr<CountJob> job_;
  std::thread thread_;
  std::function<void(int row)> hook_;
  // Worker side only: the last totals reported and whether the job reported its end.
  CountTotals workerTotals_;
  bool workerFinished_ = false;

  std::mutex mutex_;
  std::deque<Report> posted_;  // worker side, under mutex_
  std::deque<Report> taken_;   // window side: taken from posted_, not yet emitted
};

}  // namespace tw
