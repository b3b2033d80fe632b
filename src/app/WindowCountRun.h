#pragma once

#include <optional>
#include <vector>

#include <QObject>
#include <QString>
#include <QTimer>

#include "app/FailureSummary.h"
#include "counting/CountJob.h"

class QLabel;
class QWidget;

namespace tw {

class CountJobRunner;
class CountListModel;
class MessageQueue;
class PricingControls;

// "Count Statistic" as the window shows it: takes a snapshot of the count list, runs it as a
// job off the window thread and applies the job's reports as they arrive: the status pane names
// the file, rows and totals headers fill in, a file that fails is marked in its row and the
// failures are told in one box at the end, the count controls stay off until the run has ended,
// and the current values are taken again then.
class WindowCountRun : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    CountListModel* model = nullptr;
    PricingControls* pricing = nullptr;
    MessageQueue* messages = nullptr;
    QLabel* status = nullptr;
    std::vector<QWidget*> countControls;  // off while a run goes on
  };

  WindowCountRun(Parts parts, QObject* parent);

  // Starts a run over every row unless one is going on (two runs never interleave).
  void Start(const CountOptions& options);
  bool IsRunning() const;
  bool IsBusy() const;
  // Ends the batch being counted; the run goes on with the next one.
  void RequestStop();
  // Ends the whole run at its next test point; nobody is left to read its failures.
  void Cancel();
  CountJobRunner& Runner() const { return *runner_; }

 signals:
  // The run has ended and the window shows its end.
  void finished();

 private:
  CountJobInput Snapshot(const CountOptions& options) const;
  void SwitchCountControls(bool enabled);
  void OnFileStarted(const QString& path, int number, int total);
  void OnFileCounted(int row, const FileCounts& counts, double amount, const CountTotals& totals);
  void OnFileFailed(int row, const QString& message);
  void ShowFailures();
  void OnFinished(bool stopped, const CountTotals& totals);
  void ClearRowsNotCounted();
  void ShowProgress();

  Parts parts_;
  CountJobRunner* runner_;
  std::vector<bool> controlsBeforeRun_;  // the count controls' states when the run began
  bool batchRan_ = false;                // a batch of this run was counted
  // Which rows of the snapshot this run reached (counted or failed): after a stop the others are
  // cleared, so the totals are the sum of the rows shown.
  std::vector<bool> counted_;
  int countedFiles_ = 0;
  int filesInRun_ = 0;
  FailureSummary failures_;
  bool cancelled_ = false;
  // The status text and the totals reach the screen a few times a second, not once per file:
  // every header change lays out and repaints the whole count list.
  QTimer progressTimer_;
  QString status_;
  std::optional<CountTotals> totals_;
};

}  // namespace tw
