#include "app/CountJobRunner.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include <QElapsedTimer>

namespace tw {
namespace {

// The longest the window thread spends on reports before it draws and takes input again.
constexpr qint64 kSliceMilliseconds = 8;

}  // namespace

CountJobRunner::Report CountJobRunner::Make(Report::Kind kind, int row) {
  Report report;
  report.kind = kind;
  report.row = row;
  return report;
}

CountJobRunner::CountJobRunner(QObject* parent)
    : QObject(parent),
      jobs_(std::max(1, static_cast<int>(std::thread::hardware_concurrency()))),
      readers_(jobs_) {
  qRegisterMetaType<tw::FileCounts>();
  qRegisterMetaType<tw::CountTotals>();
}

CountJobRunner::~CountJobRunner() {
  if (!thread_.joinable()) return;
  job_->Cancel();
  thread_.join();
}

bool CountJobRunner::Start(CountJobInput input) {
  if (job_ != nullptr) return false;
  if (input.reader == nullptr) input.reader = &readers_;
  input.jobs = jobs_;
  job_ = std::make_unique<CountJob>(std::move(input));
  workerFinished_ = false;
  thread_ = std::thread([this] { Work(); });
  return true;
}

void CountJobRunner::RequestStop() {
  if (job_ != nullptr) job_->RequestStop();
}

void CountJobRunner::Cancel() {
  if (job_ != nullptr) job_->Cancel();
}

// ---- worker thread -------------------------------------------------------------------------

void CountJobRunner::Work() {
  try {
    job_->Run(*this);
  } catch (const std::exception& error) {
    // A failure the job did not catch ends the run, not the program.
    FileFailed(-1, std::string("Counting stopped: ") + error.what());
  }
  if (!workerFinished_) Finished(true, workerTotals_);
}

void CountJobRunner::FileStarted(int row, const std::string& path, int number, int total) {
  Report report = Make(Report::Kind::Started, row);
  report.text = path;
  report.number = number;
  report.total = total;
  Post(std::move(report));
  if (hook_) hook_(row);
}

void CountJobRunner::FileCounted(int row, const FileCounts& counts, double amount,
                                 const CountTotals& totals) {
  workerTotals_ = totals;
  Report report = Make(Report::Kind::Counted, row);
  report.counts = counts;
  report.amount = amount;
  report.totals = totals;
  Post(std::move(report));
}

void CountJobRunner::FileFailed(int row, const std::string& message) {
  Report report = Make(Report::Kind::Failed, row);
  report.text = message;
  Post(std::move(report));
}

void CountJobRunner::BatchStarted() {
  Post(Make(Report::Kind::BatchStarted));
}

void CountJobRunner::BatchEnded() {
  Post(Make(Report::Kind::BatchEnded));
}

void CountJobRunner::Finished(bool stopped, const CountTotals& totals) {
  workerFinished_ = true;
  Report report = Make(Report::Kind::Finished);
  report.totals = totals;
  report.stopped = stopped;
  Post(std::move(report));
}

void CountJobRunner::Post(Report report) {
  bool wasEmpty = false;
  {
    const std::lock_guard lock(mutex_);
    wasEmpty = posted_.empty();
    posted_.push_back(std::move(report));
  }
  // One wake-up per batch of reports: the window takes everything posted when it wakes.
  if (wasEmpty) QMetaObject::invokeMethod(this, &CountJobRunner::Deliver, Qt::QueuedConnection);
}

// ---- window thread -------------------------------------------------------------------------

void CountJobRunner::Deliver() {
  {
    const std::lock_guard lock(mutex_);
    std::move(posted_.begin(), posted_.end(), std::back_inserter(taken_));
    posted_.clear();
  }
  QElapsedTimer slice;
  slice.start();
  while (!taken_.empty()) {
    if (slice.elapsed() >= kSliceMilliseconds) {
      QMetaObject::invokeMethod(this, &CountJobRunner::Deliver, Qt::QueuedConnection);
      return;
    }
    // Taken off before it is emitted: a slot that opens a message box lets a nested Deliver
    // go on with the next report, and the order stays.
    const Report report = std::move(taken_.front());
    taken_.pop_front();
    Emit(report);
  }
}

void CountJobRunner::Emit(const Report& report) {
  switch (report.kind) {
    case Report::Kind::Started:
      emit fileStarted(report.row, QString::fromStdString(report.text), report.number,
                       report.total);
      break;
    case Report::Kind::Counted:
      emit fileCounted(report.row, report.counts, report.amount, report.totals);
      break;
    case Report::Kind::Failed:
      emit fileFailed(report.row, QString::fromStdString(report.text));
      break;
    case Report::Kind::BatchStarted:
      emit batchStarted();
      break;
    case Report::Kind::BatchEnded:
      emit batchEnded();
      break;
    case Report::Kind::Finished:
      EndJob(report);
      break;
  }
}

void CountJobRunner::EndJob(const Report& report) {
  // The worker posted its last report on its way out: the join is immediate.
  thread_.join();
  job_.reset();
  emit finished(report.stopped, report.totals);
}

}  // namespace tw
