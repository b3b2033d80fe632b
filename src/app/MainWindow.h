#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/MessageQueue.h"
#include "app/UrlOpener.h"
#include "counting/CountOptions.h"

class QAction;
class QLabel;
class QPushButton;

namespace tw {

class BrowserPane;
class CountJobRunner;
class CountListActions;
class CountListModel;
class CountListView;
class DroppedFiles;
class FileListActions;
class FileMenuCommands;
class MessageService;
class PricingControls;
class ReportFileChooser;
class WindowCountRun;

// The main window: folder tree and file list above, the count list below, the remove buttons,
// the pricing controls, "Count Statistic" and "Save Report" at the bottom. A count runs as a job
// on a thread of its own; its reports come back as signals and fill the rows as they arrive.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(MessageService& messages, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Seam for tests: where "Save Report" saves.
  void SetReportFileChooser(ReportFileChooser* chooser);
  // Seam for tests: how files and folders are handed to the desktop.
  void SetUrlOpener(const UrlOpener& opener);

  // Command handlers.
  void OnCountStatistic();
  void OnAddSelected();
  void OnAddAll();
  // Files named on the command line: taken into the count list as "Add all" takes the file list.
  void AddFiles(const std::vector<std::string>& paths);
  void OnAddSubfolders();
  void OnRemove();
  void OnRemoveAll();
  void OnSaveReport();
  void OnCloseRequest(bool escapePressed);
  void OnExitCommand();
  void OnCurrencyCommand();
  void OnOptionsCommand();
  void OnAboutCommand();
  void OnCurrencyConverterCommand();
  // Files and folders dropped on the count list: files are added, folders walked for theirs.
  void AddDroppedPaths(const std::vector<std::string>& paths);

  void FillCurrencyCombo();
  int LoadSettings();
  void SaveSettings();

  // A run has started and its end has not been handled yet.
  bool IsCounting() const;
  // A batch of the run is being counted now.
  bool IsBusy() const;
  // The count list shows counts that no report has saved since they were counted.
  bool HasUnsavedResults() const;
  CountListModel& Model() const { return *model_; }
  CountListView* CountList() const { return countList_; }
  BrowserPane* Browser() const { return browser_; }
  CountJobRunner& Runner() const;
  PricingControls& Pricing() const { return *pricing_; }
  CountListActions& CountActions() const { return *countListActions_; }
  FileListActions& FileActions() const { return *fileListActions_; }
  DroppedFiles& Drops() const { return *dropped_; }
  CountOptions& Options() { return options_; }
  QWidget* Control(int id) const;
  // Export, Quote, Save job, Open job and the recent jobs of the File menu.
  FileMenuCommands& FileCommands() const { return *fileCommands_; }
  // The counts in the list are kept (in a job file): leaving asks nothing about them.
  void MarkResultsSaved() { resultsUnsaved_ = false; }
  QAction* Command(int id) const;
  QLabel* StatusPane(int pane) const;

 signals:
  // A count run has ended and the window has taken its end into account.
  void countRunFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls(QWidget* area);
  void CreatePricingControls(QWidget* area);
  void CreateMenus();
  void CreateStatusBar();
  void CreateCountRun();
  void CreateListActions();
  void CreateShortcuts();
  void SetTabOrder();
  QPushButton* AddButton(QWidget* area, const QString& caption, const char* name, int id);
  void Register(QWidget* control, int id, const char* name);
  void ApplyLayout(int cx, int cy);

  // The six count controls: pricing combo, rate edit, "Count Statistic", "Remove All",
  // "Save Report", "Remove".
  std::vector<QWidget*> CountControls() const;
  void OnRunFinished();
  void OfferStop();
  void SetStatus(const QString& text);
  void SetSaveReportEnabled(bool enabled);
  void AcceptClose();
  // Leaving now would lose a run or results: the user is asked first.
  bool ConfirmExit();

  MessageService& service_;
  MessageQueue messages_;
  CountOptions options_;  // what the Options dialog edits; each run takes a copy
  std::unique_ptr<ReportFileChooser> ownChooser_;
  ReportFileChooser* chooser_ = nullptr;

  CountListModel* model_ = nullptr;
  CountListView* countList_ = nullptr;
  BrowserPane* browser_ = nullptr;
  PricingControls* pricing_ = nullptr;
  CountListActions* countListActions_ = nullptr;
  FileListActions* fileListActions_ = nullptr;
  DroppedFiles* dropped_ = nullptr;
  FileMenuCommands* fileCommands_ = nullptr;
  WindowCountRun* run_ = nullptr;
  QPushButton* removeAll_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* countStatistic_ = nullptr;
  QPushButton* saveReport_ = nullptr;
  QLabel* statusPanes_[2] = {nullptr, nullptr};
  std::map<int, QWidget*> controls_;
  std::map<int, QAction*> commands_;

  bool closePending_ = false;    // the user confirmed leaving while a run was going on
  bool closing_ = false;         // the close now going on is confirmed
  bool resultsUnsaved_ = false;  // a run has counted since the last report was saved
};

}  // namespace tw
