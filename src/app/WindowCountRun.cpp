#include "app/WindowCountRun.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "app/CountJobRunner.h"
#include "app/CountListModel.h"
#include "app/MessageQueue.h"
#include "app/PricingControls.h"

namespace tw {
namespace {

constexpr const char* kNothingToCount =
    QT_TRANSLATE_NOOP("tw::WindowCountRun", "There is nothing to count! Choose files first!");
constexpr int kProgressMilliseconds = 40;

}  // namespace

WindowCountRun::WindowCountRun(Parts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)), runner_(new CountJobRunner(this)) {
  connect(runner_, &CountJobRunner::fileStarted, this,
          [this](int, const QString& path, int number, int total) {
            filesInRun_ = total;
            OnFileStarted(path, number, total);
          });
  connect(runner_, &CountJobRunner::fileCounted, this, &WindowCountRun::OnFileCounted);
  connect(runner_, &CountJobRunner::fileFailed, this, &WindowCountRun::OnFileFailed);
  connect(runner_, &CountJobRunner::batchStarted, this, [this] {
    batchRan_ = true;
    SwitchCountControls(false);
  });
  connect(runner_, &CountJobRunner::finished, this,
          [this](bool stopped, const CountTotals& totals) { OnFinished(stopped, totals); });
  progressTimer_.setSingleShot(true);
  progressTimer_.setInterval(kProgressMilliseconds);
  connect(&progressTimer_, &QTimer::timeout, this, &WindowCountRun::ShowProgress);
}

bool WindowCountRun::IsRunning() const {
  return runner_->IsRunning();
}

bool WindowCountRun::IsBusy() const {
  return runner_->IsBusy();
}

void WindowCountRun::RequestStop() {
  runner_->RequestStop();
}

void WindowCountRun::Cancel() {
  cancelled_ = true;
  runner_->Cancel();
}

void WindowCountRun::Start(const CountOptions& options) {
  if (runner_->IsRunning()) return;
  // The totals start from zero even when there is nothing to count; the headers keep their
  // texts until a file is counted.
  parts_.model->SetTotals({});
  if (parts_.model->RowCount() == 0) {
    parts_.messages->Post(tr(kNothingToCount).toStdString());
    return;
  }
  // Rows keep their indexes from the snapshot on: the controls that change rows or prices go
  // off now, not only when the first batch starts.
  controlsBeforeRun_.clear();
  for (QWidget* control : parts_.countControls) controlsBeforeRun_.push_back(control->isEnabled());
  SwitchCountControls(false);
  batchRan_ = false;
  counted_.assign(parts_.model->Rows().size(), false);
  countedFiles_ = 0;
  filesInRun_ = 0;
  failures_.Clear();
  cancelled_ = false;
  runner_->Start(Snapshot(options));
}

CountJobInput WindowCountRun::Snapshot(const CountOptions& options) const {
  CountJobInput input;
  const std::vector<CountRow>& rows = parts_.model->Rows();
  input.files.reserve(rows.size());
  for (size_t row = 0; row < rows.size(); ++row) {
    input.files.push_back({static_cast<int>(row), rows[row].path, rows[row].rate});
  }
  input.options = options;
  input.pricing = PricingModeOf(parts_.pricing->SelectedPricing());
  // Weighted words are priced from the repetitions found.
  if (input.pricing == PricingMode::WeightedWords) input.options.units.repetitions = true;
  return input;
}

// Figures of an earlier run beside this run's would add up to more than the totals show.
void WindowCountRun::ClearRowsNotCounted() {
  for (size_t row = 0; row < counted_.size(); ++row) {
    if (!counted_[row]) parts_.model->ClearCounted(static_cast<int>(row));
  }
}

void WindowCountRun::SwitchCountControls(bool enabled) {
  for (QWidget* control : parts_.countControls) control->setEnabled(enabled);
}

void WindowCountRun::OnFileStarted(const QString& path, int number, int total) {
  status_ = tr("Counting %1 (%2 of %3)").arg(path).arg(number).arg(total);
  if (!progressTimer_.isActive()) progressTimer_.start();
}

void WindowCountRun::OnFileCounted(int row, const FileCounts& counts, double amount,
                                   const CountTotals& totals) {
  parts_.model->SetCounted(row, counts, amount);
  if (row >= 0 && static_cast<size_t>(row) < counted_.size() && !counted_[row]) {
    counted_[row] = true;
    ++countedFiles_;
  }
  totals_ = totals;
  if (!progressTimer_.isActive()) progressTimer_.start();
}

void WindowCountRun::ShowProgress() {
  if (!status_.isEmpty()) parts_.status->setText(status_);
  status_.clear();
  if (totals_) parts_.model->ShowTotals(*totals_);
  totals_.reset();
}

void WindowCountRun::OnFileFailed(int row, const QString& message) {
  // A failure of the run itself belongs to no row and is told at once.
  if (row < 0 || static_cast<size_t>(row) >= counted_.size()) {
    parts_.messages->Post(message.toStdString());
    return;
  }
  parts_.model->SetFailed(row, message.toStdString());
  // Reached, though not counted: a stop keeps its mark.
  counted_[row] = true;
  failures_.Add(parts_.model->Rows()[row].path, message.toStdString());
}

void WindowCountRun::ShowFailures() {
  if (failures_.IsEmpty() || cancelled_) return;
  const QString text = failures_.Text(filesInRun_);
  failures_.Clear();
  parts_.messages->Post(text.toStdString());
}

void WindowCountRun::OnFinished(bool stopped, const CountTotals& totals) {
  progressTimer_.stop();
  ShowProgress();
  parts_.model->SetTotals(totals);
  parts_.status->setText(QStringLiteral(" "));
  if (stopped) {
    ClearRowsNotCounted();
    parts_.model->ShowTotals(totals);
    parts_.status->setText(
        tr("Stopped: %1 of %2 files counted").arg(countedFiles_).arg(counted_.size()));
  }
  if (batchRan_) {
    // A count makes "Save Report" available.
    SwitchCountControls(true);
  } else {
    // Nothing was counted (spreadsheets only): every control is as it was.
    for (size_t i = 0; i < parts_.countControls.size() && i < controlsBeforeRun_.size(); ++i) {
      parts_.countControls[i]->setEnabled(controlsBeforeRun_[i]);
    }
  }
  parts_.pricing->TakeFromControls();
  emit finished();
  ShowFailures();
}

}  // namespace tw
