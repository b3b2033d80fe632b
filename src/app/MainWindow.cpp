#include "app/MainWindow.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/AboutDialog.h"
#include "app/BrowserPane.h"
#include "app/ConfigLocation.h"
#include "app/ControlIds.h"
#include "app/CountListActions.h"
#include "app/CountListAdder.h"
#include "app/CountListModel.h"
#include "app/CountListView.h"
#include "app/CurrencyConverterDialog.h"
#include "app/CurrencyDialog.h"
#include "app/DialogReportFileChooser.h"
#include "app/DroppedFiles.h"
#include "app/FileListActions.h"
#include "app/OptionsDialog.h"
#include "app/PricingControls.h"
#include "app/WindowCountRun.h"
#include "app/WindowLayout.h"
#include "app/WindowSettings.h"
#include "browser/FileList.h"
#include "browser/FolderTree.h"
#include "store/ExchangeRates.h"
#include "store/HtmlReport.h"
#include "store/SettingsModel.h"

namespace tw {
namespace {

constexpr const char* kExitQuestion = QT_TRANSLATE_NOOP("tw::MainWindow", "Are you sure to exit?");
constexpr const char* kStopQuestion =
    QT_TRANSLATE_NOOP("tw::MainWindow", "Counting in a progress! Would you like to stop it?");
constexpr const char* kPleaseWait =
    QT_TRANSLATE_NOOP("tw::MainWindow", "Counting in a progress. Please wait.");
constexpr const char* kAddingToCountList =
    QT_TRANSLATE_NOOP("tw::MainWindow", "Adding files to count list");
constexpr const char* kAddingSubfolders =
    QT_TRANSLATE_NOOP("tw::MainWindow", "Adding files - be patient! (Press ESC to cancel)");

// The designed size of the window, 605 x 426 dialog units at 8 points.
constexpr int kInitialWidth = 908;
constexpr int kInitialHeight = 693;

}  // namespace

MainWindow::MainWindow(MessageService& messages, QWidget* parent)
    : QMainWindow(parent),
      service_(messages),
      messages_(messages),
      ownChooser_(std::make_unique<DialogReportFileChooser>()),
      chooser_(ownChooser_.get()) {
  setWindowTitle(QStringLiteral("Tallywright"));
  setObjectName(QStringLiteral("mainWindow"));
  setWindowIcon(QApplication::windowIcon());
  // The layout's sizes were drawn for an 8-point dialog font.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);

  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("clientArea"));
  setCentralWidget(area);
  CreateControls(area);
  CreateMenus();
  CreateStatusBar();
  CreateCountRun();
  CreateListActions();
  CreateShortcuts();
  SetTabOrder();
  SetSaveReportEnabled(false);
  pricing_->Label()->setText(tr("Pricing:"));

  resize(kInitialWidth, kInitialHeight);
  setMinimumSize(WindowLayout::kMinimumWidth, WindowLayout::kMinimumHeight);
  // A pane of fixed size never asks the window for a new layout when its text changes: during
  // a count it changes with every file.
  statusPanes_[0]->setFixedHeight(statusPanes_[0]->sizeHint().height());
  area->installEventFilter(this);
  ApplyLayout(area->width(), area->height());

  FillCurrencyCombo();
  LoadSettings();
  // Half the window as it opens, after the settings (or the screen) have sized it.
  statusPanes_[0]->setFixedWidth(width() / 2);
}

// The runner, a child, cancels a job still running and waits for its thread as it goes.
MainWindow::~MainWindow() = default;

void MainWindow::SetReportFileChooser(ReportFileChooser* chooser) {
  chooser_ = chooser != nullptr ? chooser : ownChooser_.get();
}

void MainWindow::SetUrlOpener(const UrlOpener& opener) {
  countListActions_->SetOpener(opener);
  fileListActions_->SetOpener(opener);
}

// ---- layout --------------------------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize) {
    ApplyLayout(centralWidget()->width(), centralWidget()->height());
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ApplyLayout(int cx, int cy) {
  std::vector<WindowLayout::Placement> placements = WindowLayout::Controls(cx, cy);
  WindowLayout::FitToContents(placements,
                              [this](int id) { return WindowLayout::NeededWidth(Control(id)); });
  for (const WindowLayout::Placement& placement : placements) {
    if (QWidget* control = Control(placement.id)) control->setGeometry(placement.rect);
  }
  const std::array<int, 7> countWidths = WindowLayout::CountListColumnWidths(cx);
  countList_->SetColumnWidths(std::vector<int>(countWidths.begin(), countWidths.end()));
  browser_->SetFileListColumnWidths(WindowLayout::FileListColumnWidths(cx));
  update();
}

QWidget* MainWindow::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

QAction* MainWindow::Command(int id) const {
  const auto found = commands_.find(id);
  return found == commands_.end() ? nullptr : found->second;
}

QLabel* MainWindow::StatusPane(int pane) const {
  return pane == 0 || pane == 1 ? statusPanes_[pane] : nullptr;
}

void MainWindow::SetStatus(const QString& text) {
  statusPanes_[0]->setText(text);
}

void MainWindow::SetSaveReportEnabled(bool enabled) {
  saveReport_->setEnabled(enabled);
}

// ---- count list: adding and removing ---------------------------------------------------------

void MainWindow::OnAddSelected() {
  const std::vector<std::string> paths = browser_->SelectedPaths();
  if (paths.empty()) return;
  if (CountListAdder::AddSelected(*model_, paths, pricing_->Current()) == 0) return;
  model_->SetHeader(kFileColumn, CountListAdder::RowCountHeader(model_->RowCount()));
  SetSaveReportEnabled(false);
}

void MainWindow::OnAddAll() {
  AddFiles(browser_->AllPaths());
}

void MainWindow::AddFiles(const std::vector<std::string>& paths) {
  countList_->setUpdatesEnabled(false);
  SetStatus(tr(kAddingToCountList));
  SetSaveReportEnabled(false);
  CountListAdder::AddAll(*model_, paths, pricing_->Current());
  SetStatus(QStringLiteral(" "));
  countList_->setUpdatesEnabled(true);
  model_->SetHeader(kFileColumn, CountListAdder::RowCountHeader(model_->RowCount()));
}

void MainWindow::OnAddSubfolders() {
  if (IsBusy()) {
    messages_.Post(tr(kPleaseWait).toStdString());
    return;
  }
  const std::string folder = browser_->SelectedFolder();
  if (folder.empty()) return;
  SetStatus(tr(kAddingSubfolders));
  // The walk runs on its own; the status clears when it ends (done or stopped by Escape).
  browser_->ListSubtree(folder);
}

void MainWindow::AddDroppedPaths(const std::vector<std::string>& paths) {
  dropped_->Take(paths, browser_->Files()->TypeFlags());
  // Folders are walked on their own; the status clears when the last one is done.
  if (dropped_->IsWalking()) SetStatus(tr(kAddingSubfolders));
}

void MainWindow::OnRemove() {
  const std::vector<int> rows = countList_->SelectedRows();
  if (model_->RowCount() == 0 || rows.empty()) return;
  countList_->setUpdatesEnabled(false);
  model_->RemoveRows(rows);
  countList_->setUpdatesEnabled(true);
  model_->SetHeader(kFileColumn, CountListAdder::RowCountHeader(model_->RowCount()));
  if (model_->RowCount() == 0) SetSaveReportEnabled(false);
}

void MainWindow::OnRemoveAll() {
  if (model_->RowCount() == 0) return;
  model_->Clear();
  model_->SetHeader(kFileColumn, kClearedFileHeader);
  model_->SetHeader(kWordsColumn, kWordsHeader);
  model_->SetHeader(kCharsWithSpacesColumn, kCharsWithSpacesHeader);
  model_->SetHeader(kCharsColumn, kCharsHeader);
  model_->SetHeader(kAmountColumn, kAmountHeader);
  SetSaveReportEnabled(false);
}

// ---- counting ------------------------------------------------------------------------------

void MainWindow::OnCountStatistic() {
  run_->Start(options_);
}

bool MainWindow::IsCounting() const {
  return run_->IsRunning();
}

bool MainWindow::IsBusy() const {
  return run_->IsBusy();
}

CountJobRunner& MainWindow::Runner() const {
  return run_->Runner();
}

void MainWindow::OfferStop() {
  if (messages_.Ask(tr(kStopQuestion).toStdString(), MessageButtons::YesNo) == MessageAnswer::Yes) {
    run_->RequestStop();
  }
}

void MainWindow::OnRunFinished() {
  // The grey column follows the pricing mode taken from the controls again.
  countList_->viewport()->update();
  resultsUnsaved_ = true;
  emit countRunFinished();
  if (!closePending_) return;
  closing_ = true;
  close();
}

// ---- leaving -------------------------------------------------------------------------------

bool MainWindow::HasUnsavedResults() const {
  if (!resultsUnsaved_) return false;
  const std::vector<CountRow>& rows = model_->Rows();
  return std::any_of(rows.begin(), rows.end(), [](const CountRow& row) { return row.counts; });
}

bool MainWindow::ConfirmExit() {
  return messages_.Ask(tr(kExitQuestion).toStdString(), MessageButtons::OkCancel) ==
         MessageAnswer::Ok;
}

void MainWindow::OnCloseRequest(bool escapePressed) {
  if (escapePressed) {
    if (dropped_->IsWalking()) dropped_->Cancel();
    if (IsBusy()) OfferStop();
    return;
  }
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  event->ignore();
  // Nothing to lose: the window closes at once.
  if ((IsCounting() || HasUnsavedResults()) && !ConfirmExit()) return;
  SaveSettings();
  AcceptClose();
  if (closing_) event->accept();
}

void MainWindow::OnExitCommand() {
  if (IsBusy()) {
    OfferStop();
    return;
  }
  if (HasUnsavedResults() && !ConfirmExit()) return;
  SaveSettings();
  AcceptClose();
  if (closing_) close();
}

void MainWindow::AcceptClose() {
  if (!IsCounting()) {
    closing_ = true;
    return;
  }
  // The run ends at its next test point; the window closes when its end arrives, and the
  // messages of files nobody waits for any more are not shown.
  closePending_ = true;
  messages_.DiscardWaiting();
  run_->Cancel();
}

// ---- dialogs and commands ------------------------------------------------------------------

void MainWindow::OnCurrencyCommand() {
  CurrencyDialog dialog(
      service_, [this](const std::string& name) { pricing_->AddCurrency(name); }, this);
  dialog.SetCurrencyInUse(pricing_->SelectedCurrency());
  dialog.exec();
}

void MainWindow::OnOptionsCommand() {
  OptionsDialog dialog(options_, this);
  dialog.exec();
}

void MainWindow::OnAboutCommand() {
  AboutDialog dialog(this);
  dialog.exec();
}

void MainWindow::OnCurrencyConverterCommand() {
  std::vector<std::string> names;
  for (int i = 0; i < pricing_->CurrencyCombo()->count(); ++i) {
    names.push_back(pricing_->CurrencyCombo()->itemText(i).toStdString());
  }
  ExchangeRates rates(ExchangeRates::PathBeside(ConfigLocation::SettingsFile()));
  rates.Load();
  CurrencyConverterDialog dialog(model_->Totals().amount, pricing_->Current().currency, names,
                                 rates, this);
  dialog.exec();
}

void MainWindow::OnSaveReport() {
  const std::optional<std::string> path = chooser_->ChooseReportPath(this);
  if (!path) return;
  if (WriteHtmlReport(*path, model_->Rows(), pricing_->Current().pricing, model_->Totals(),
                      service_, options_.include, options_.profile)) {
    resultsUnsaved_ = false;
  }
}

void MainWindow::FillCurrencyCombo() {
  pricing_->FillCurrencyCombo();
}

// ---- settings ------------------------------------------------------------------------------

int MainWindow::LoadSettings() {
  return WindowSettings::Load(*this, *browser_, *pricing_, options_) ? 1 : 0;
}

void MainWindow::SaveSettings() {
  WindowSettings::Save(*this, *browser_, *pricing_, options_);
}

}  // namespace tw
