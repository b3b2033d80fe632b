#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "automation/ServerRegistry.h"
#include "counting/CountContext.h"
#include "counting/CountOptions.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tw {

class BrowserPane;
class CListCtrlColor;
class CountListModel;
class CountWorker;
class CounterFactory;
class GuiCountHost;
class MessageService;
class ReportFileChooser;
class WindowCountHost;

// The main window: folder tree and file list above, the count list below, the remove buttons,
// the pricing controls, "Count Statistic" and "Save Report" at the bottom. Counting runs on a
// worker thread; everything the counters do to the window comes back to this thread.
class CTallywrightDlg : public QMainWindow {
  Q_OBJECT

 public:
  explicit CTallywrightDlg(MessageService& messages, QWidget* parent = nullptr);
  ~CTallywrightDlg() override;

  // Seams for tests: where "Save Report" saves, and which counters a run creates.
  void SetReportFileChooser(ReportFileChooser* chooser);
  void SetCounterFactory(const CounterFactory* factory);

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
  void OnCalc();

  void FillCurrencyCombo();
  int LoadSettings();
  void SaveSettings();

  bool IsCounting() const { return running_; }
  bool IsBusy() const;
  CountListModel& Model() const { return *model_; }
  CListCtrlColor* CountList() const { return countList_; }
  BrowserPane* Browser() const { return browser_; }
  CountContext& Context() { return context_; }
  CountOptions& Options() { return options_; }
  QWidget* Control(int id) const;
  QAction* Command(int id) const;
  QLabel* StatusPane(int pane) const;

 signals:
  // A count run has unwound (its worker has finished).
  void countRunFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls(QWidget* area);
  void CreatePricingControls(QWidget* area);
  void CreateMenus();
  void CreateStatusBar();
  void CreateCountMachinery();
  QPushButton* AddButton(QWidget* area, const QString& caption, const char* name, int id);
  void Register(QWidget* control, int id, const char* name);
  void ApplyLayout(int cx, int cy);

  void OnRateEdited(const QString& text);
  void ApplyRateText(const std::string& text);
  void OnCurrencySelected(int index);
  void OnPricingSelected(int index);
  void AddCurrencyToCombo(const std::string& name);
  void ApplyPlacement(const QRect& rect);
  QRect RestoredRect() const;

  // The six count controls: pricing combo, rate edit, "Count Statistic", "Remove All",
  // "Save Report", "Remove".
  std::vector<QWidget*> CountControls() const;
  void SwitchCountControls(bool enabled);
  void ShowCountingFile(const std::string& path, int number, int total);
  void OnWorkerFinished();
  void OfferStop();
  void CloseWhenRunEnds();
  void SetStatus(const QString& text);
  void SetSaveReportEnabled(bool enabled);

  MessageService& messages_;
  ServerRegistry servers_;
  CountContext context_;
  CountOptions options_;  // what the Options dialog edits; each run takes a copy
  std::unique_ptr<ReportFileChooser> ownChooser_;
  ReportFileChooser* chooser_ = nullptr;

  CountListModel* model_ = nullptr;
  CListCtrlColor* countList_ = nullptr;
  BrowserPane* browser_ = nullptr;
  QPushButton* removeAll_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* calc_ = nullptr;
  QPushButton* countStatistic_ = nullptr;
  QPushButton* saveReport_ = nullptr;
  QLineEdit* pricingLabel_ = nullptr;
  QLineEdit* rateEdit_ = nullptr;
  QComboBox* currencyCombo_ = nullptr;
  QComboBox* pricingCombo_ = nullptr;
  QLabel* statusPanes_[2] = {nullptr, nullptr};
  std::map<int, QWidget*> controls_;
  std::map<int, QAction*> commands_;

  std::string rateText_;  // the rate text the window holds: the edit's text after its checks
  std::unique_ptr<WindowCountHost> windowHost_;
  std::unique_ptr<GuiCountHost> workerHost_;
  CountWorker* worker_ = nullptr;
  bool running_ = false;                 // a run's worker has started and not yet finished
  std::vector<bool> controlsBeforeRun_;  // the count controls' states when the run began
  bool controlsOffInRun_ = false;        // a counter of the current run switched the controls off
  bool closePending_ = false;            // the user confirmed leaving while a run was going on
  bool closing_ = false;                 // the close now going on is confirmed
};

}  // namespace tw
