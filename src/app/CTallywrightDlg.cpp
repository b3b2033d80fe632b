#include "app/CTallywrightDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>

#include "app/BrowserPane.h"
#include "app/CAboutDlg.h"
#include "app/CCurrencyDialog.h"
#include "app/CListCtrlColor.h"
#include "app/COptions.h"
#include "app/Calculator.h"
#include "app/ControlIds.h"
#include "app/CountListAdder.h"
#include "app/CountListModel.h"
#include "app/CountWorker.h"
#include "app/DialogReportFileChooser.h"
#include "app/GuiCountHost.h"
#include "app/WindowCountHost.h"
#include "app/WindowLayout.h"
#include "browser/CFileListCtrl.h"
#include "browser/CTreeFileCtrl.h"
#include "counting/CountColumns.h"
#include "counting/MessageService.h"
#include "counting/PricingMode.h"
#include "counting/PricingActions.h"
#include "counting/RateEntry.h"
#include "store/CurrencyList.h"
#include "store/HtmlReport.h"
#include "store/SettingsModel.h"

namespace tw {
namespace {

constexpr const char* kExitQuestion = "Are you sure to exit?";
constexpr const char* kStopQuestion = "Counting in a progress! Would you like to stop it?";
constexpr const char* kPleaseWait = "Counting in a progress. Please wait.";
constexpr const char* kAddingToCountList = "Adding files to count list";
constexpr const char* kAddingSubfolders = "Adding files - be patient! (Press ESC to cancel)";

// The designed size of the window, 605 x 426 dialog units at 8 points.
constexpr int kInitialWidth = 908;
constexpr int kInitialHeight = 693;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// Inserts a name into a combo kept in the currency order, after any equal names.
void InsertSorted(QComboBox* combo, const std::string& name) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
  const int current = combo->currentIndex();
  const QString typed = combo->currentText();
  combo->insertItem(static_cast<int>(CurrencyInsertIndex(items, name)), Q(name));
  // A combo without selection keeps none, whatever was inserted, and keeps any typed text.
  if (current < 0) {
    combo->setCurrentIndex(-1);
    combo->setEditText(typed);
  }
}

QComboBox* MakeSortedCombo(QWidget* area) {
  auto* combo = new QComboBox(area);
  combo->setEditable(true);
  // Typed text is never added as an entry: the entries come from the program alone.
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

}  // namespace

CTallywrightDlg::CTallywrightDlg(MessageService& messages, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      ownChooser_(std::make_unique<DialogReportFileChooser>()),
      chooser_(ownChooser_.get()) {
  setWindowTitle(QStringLiteral("TLW"));
  setObjectName(QStringLiteral("mainWindow"));
  setWindowIcon(QApplication::windowIcon());
  // The layout's sizes were drawn for an 8-point dialog font.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  RegisterStandardServers(servers_);
  context_.servers = &servers_;
  context_.counters.Clear();

  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("clientArea"));
  setCentralWidget(area);
  CreateControls(area);
  CreateMenus();
  CreateStatusBar();
  CreateCountMachinery();
  SetSaveReportEnabled(false);
  pricingLabel_->setText(QStringLiteral("Pricing:"));

  resize(kInitialWidth, kInitialHeight);
  setMinimumSize(WindowLayout::kMinimumWidth, WindowLayout::kMinimumHeight);
  statusPanes_[0]->setFixedWidth(kInitialWidth / 2);
  area->installEventFilter(this);
  ApplyLayout(area->width(), area->height());

  FillCurrencyCombo();
  LoadSettings();
}

CTallywrightDlg::~CTallywrightDlg() {
  if (worker_ == nullptr || !worker_->isRunning()) return;
  // Torn down with a run going on (the program is ending): nothing reaches the window any more,
  // every counter is asked to stop, and calls already queued here are let through so the worker
  // can unwind.
  workerHost_->Detach();
  while (!worker_->wait(10)) {
    context_.counters.RequestStopOfBusy();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
  }
}

void CTallywrightDlg::SetReportFileChooser(ReportFileChooser* chooser) {
  chooser_ = chooser != nullptr ? chooser : ownChooser_.get();
}

void CTallywrightDlg::SetCounterFactory(const CounterFactory* factory) {
  if (running_) return;  // the worker reads the factory while it runs
  worker_->SetFactory(factory);
}

// ---- construction --------------------------------------------------------------------------

void CTallywrightDlg::Register(QWidget* control, int id, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  control->setProperty(kControlIdProperty, id);
  controls_[id] = control;
}

QPushButton* CTallywrightDlg::AddButton(QWidget* area, const QString& caption, const char* name,
                                        int id) {
  auto* button = new QPushButton(caption, area);
  button->setAutoDefault(false);
  Register(button, id, name);
  return button;
}

void CTallywrightDlg::CreateControls(QWidget* area) {
  // The frames first, so every control they surround is drawn above them.
  Register(new QGroupBox(area), kIdTypeFrame, "typeFrame");
  Register(new QGroupBox(area), kIdRemoveFrame, "removeFrame");
  Register(new QGroupBox(area), kIdBottomFrame, "bottomFrame");

  browser_ = new BrowserPane(area);
  // Failures of the tree's own commands appear in the application's message boxes.
  browser_->Tree()->SetMessageService(&messages_);
  for (QWidget* control : std::initializer_list<QWidget*>{
           browser_->Tree(), browser_->FileList(), browser_->AddAllButton(),
           browser_->AddSelectedButton(), browser_->AddSubfoldersButton()}) {
    controls_[control->property(kControlIdProperty).toInt()] = control;
  }
  for (const BrowserPane::TypeBox& box : BrowserPane::kTypeBoxes) {
    controls_[box.id] = browser_->TypeCheckBox(box.type);
  }
  connect(browser_, &BrowserPane::addSelectedRequested, this, &CTallywrightDlg::OnAddSelected);
  connect(browser_, &BrowserPane::addAllRequested, this, &CTallywrightDlg::OnAddAll);
  connect(browser_, &BrowserPane::addSubfoldersRequested, this, &CTallywrightDlg::OnAddSubfolders);

  model_ = new CountListModel(this);
  model_->SetPricingSource([this] { return context_.current.pricing; });
  countList_ = new CListCtrlColor(area);
  countList_->SetCountModel(model_);
  Register(countList_, kIdCountList, "countList");

  removeAll_ = AddButton(area, QStringLiteral("Remove All"), "removeAllButton", kIdRemoveAll);
  remove_ = AddButton(area, QStringLiteral("Remove"), "removeButton", kIdRemove);
  countStatistic_ =
      AddButton(area, QStringLiteral("Count Statistic"), "countStatisticButton", kIdCountStatistic);
  saveReport_ = AddButton(area, QStringLiteral("Save Report"), "saveReportButton", kIdSaveReport);
  connect(removeAll_, &QPushButton::clicked, this, &CTallywrightDlg::OnRemoveAll);
  connect(remove_, &QPushButton::clicked, this, &CTallywrightDlg::OnRemove);
  connect(countStatistic_, &QPushButton::clicked, this, &CTallywrightDlg::OnCountStatistic);
  connect(saveReport_, &QPushButton::clicked, this, &CTallywrightDlg::OnSaveReport);
  CreatePricingControls(area);
}

void CTallywrightDlg::CreatePricingControls(QWidget* area) {
  calc_ = AddButton(area, QStringLiteral("Calc"), "calcButton", kIdCalc);
  connect(calc_, &QPushButton::clicked, this, &CTallywrightDlg::OnCalc);

  pricingLabel_ = new QLineEdit(area);
  pricingLabel_->setReadOnly(true);
  pricingLabel_->setFrame(false);
  pricingLabel_->setFocusPolicy(Qt::NoFocus);
  Register(pricingLabel_, kIdPricingLabel, "pricingLabel");

  rateEdit_ = new QLineEdit(area);
  Register(rateEdit_, kIdRateEdit, "rateEdit");
  connect(rateEdit_, &QLineEdit::textChanged, this, &CTallywrightDlg::OnRateEdited);

  currencyCombo_ = MakeSortedCombo(area);
  Register(currencyCombo_, kIdCurrencyCombo, "currencyCombo");
  connect(currencyCombo_, &QComboBox::activated, this, &CTallywrightDlg::OnCurrencySelected);

  pricingCombo_ = MakeSortedCombo(area);
  Register(pricingCombo_, kIdPricingCombo, "pricingCombo");
  for (const char* mode : {kPricingWords, kPricingChars, kPricingCharsAndSpaces}) {
    InsertSorted(pricingCombo_, mode);
  }
  pricingCombo_->setCurrentIndex(-1);
  connect(pricingCombo_, &QComboBox::activated, this, &CTallywrightDlg::OnPricingSelected);
}

void CTallywrightDlg::CreateMenus() {
  auto add = [this](QMenu* menu, const QString& caption, int id, void (CTallywrightDlg::*slot)()) {
    QAction* action = menu->addAction(caption);
    action->setProperty(kCommandIdProperty, id);
    if (slot != nullptr) connect(action, &QAction::triggered, this, slot);
    commands_[id] = action;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  add(file, QStringLiteral("Count statistics"), kCmdCountStatistics,
      &CTallywrightDlg::OnCountStatistic);
  add(file, QStringLiteral("Currency converter"), kCmdCurrencyConverter, nullptr);
  add(file, QStringLiteral("Exit"), kCmdExit, &CTallywrightDlg::OnExitCommand);
  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  add(tools, QStringLiteral("Currency"), kCmdCurrency, &CTallywrightDlg::OnCurrencyCommand);
  add(tools, QStringLiteral("Options"), kCmdOptions, &CTallywrightDlg::OnOptionsCommand);
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  add(help, QStringLiteral("About"), kCmdAbout, &CTallywrightDlg::OnAboutCommand);

  // Escape never closes the window: it is the stop request of a running count.
  auto* escape = new QAction(this);
  escape->setObjectName(QStringLiteral("escapeAction"));
  escape->setShortcut(QKeySequence(Qt::Key_Escape));
  escape->setShortcutContext(Qt::WindowShortcut);
  connect(escape, &QAction::triggered, this, [this] { OnCloseRequest(true); });
  addAction(escape);
}

void CTallywrightDlg::CreateStatusBar() {
  statusPanes_[0] = new QLabel(QStringLiteral("  "), this);
  statusPanes_[0]->setObjectName(QStringLiteral("statusPane0"));
  statusPanes_[1] = new QLabel(QStringLiteral(" "), this);
  statusPanes_[1]->setObjectName(QStringLiteral("statusPane1"));
  statusBar()->addWidget(statusPanes_[0]);
  statusBar()->addWidget(statusPanes_[1], 1);
}

void CTallywrightDlg::CreateCountMachinery() {
  WindowCountHost::Parts parts;
  parts.model = model_;
  parts.rateEdit = rateEdit_;
  parts.currencyCombo = currencyCombo_;
  parts.pricingCombo = pricingCombo_;
  parts.messages = &messages_;
  parts.switchCountControls = [this](bool enabled) { SwitchCountControls(enabled); };
  parts.countingFile = [this](const std::string& path, int number, int total) {
    ShowCountingFile(path, number, total);
  };
  parts.countingFinished = [this] { SetStatus(QStringLiteral(" ")); };
  windowHost_ = std::make_unique<WindowCountHost>(std::move(parts));
  workerHost_ = std::make_unique<GuiCountHost>(*windowHost_, this);
  worker_ = new CountWorker(*workerHost_, context_, this);
  connect(worker_, &QThread::finished, this, &CTallywrightDlg::OnWorkerFinished);
}

// ---- layout --------------------------------------------------------------------------------

bool CTallywrightDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize) {
    ApplyLayout(centralWidget()->width(), centralWidget()->height());
  }
  return QMainWindow::eventFilter(watched, event);
}

void CTallywrightDlg::ApplyLayout(int cx, int cy) {
  for (const WindowLayout::Placement& placement : WindowLayout::Controls(cx, cy)) {
    if (QWidget* control = Control(placement.id)) control->setGeometry(placement.rect);
  }
  const std::array<int, 7> countWidths = WindowLayout::CountListColumnWidths(cx);
  countList_->SetColumnWidths(std::vector<int>(countWidths.begin(), countWidths.end()));
  browser_->SetFileListColumnWidths(WindowLayout::FileListColumnWidths(cx));
  update();
}

QWidget* CTallywrightDlg::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

QAction* CTallywrightDlg::Command(int id) const {
  const auto found = commands_.find(id);
  return found == commands_.end() ? nullptr : found->second;
}

QLabel* CTallywrightDlg::StatusPane(int pane) const {
  return pane == 0 || pane == 1 ? statusPanes_[pane] : nullptr;
}

void CTallywrightDlg::SetStatus(const QString& text) {
  statusPanes_[0]->setText(text);
}

void CTallywrightDlg::SetSaveReportEnabled(bool enabled) {
  saveReport_->setEnabled(enabled);
}

// ---- count list: adding and removing ---------------------------------------------------------

void CTallywrightDlg::OnAddSelected() {
  const std::vector<std::string> paths = browser_->SelectedPaths();
  if (paths.empty()) return;
  if (CountListAdder::AddSelected(*model_, paths, context_.current) == 0) return;
  model_->SetHeader(kFileColumn, CountListAdder::RowCountHeader(model_->Rows()));
  SetSaveReportEnabled(false);
}

void CTallywrightDlg::OnAddAll() {
  AddFiles(browser_->AllPaths());
}

void CTallywrightDlg::AddFiles(const std::vector<std::string>& paths) {
  countList_->setUpdatesEnabled(false);
  SetStatus(QString::fromLatin1(kAddingToCountList));
  SetSaveReportEnabled(false);
  CountListAdder::AddAll(*model_, paths, context_.current);
  SetStatus(QStringLiteral(" "));
  countList_->setUpdatesEnabled(true);
  model_->SetHeader(kFileColumn, CountListAdder::RowCountHeader(model_->Rows()));
}

void CTallywrightDlg::OnAddSubfolders() {
  if (IsBusy()) {
    messages_.Show(kPleaseWait);
    return;
  }
  const std::string folder = browser_->SelectedFolder();
  if (folder.empty()) return;
  SetStatus(QString::fromLatin1(kAddingSubfolders));
  browser_->ListSubtree(folder);
  SetStatus(QStringLiteral(" "));
}

void CTallywrightDlg::OnRemove() {
  const std::vector<int> rows = countList_->SelectedRows();
  if (model_->Rows() == 0 || rows.empty()) return;
  countList_->setUpdatesEnabled(false);
  model_->RemoveRows(rows);
  countList_->setUpdatesEnabled(true);
  model_->SetHeader(kFileColumn, CountListAdder::RowCountHeader(model_->Rows()));
  if (model_->Rows() == 0) SetSaveReportEnabled(false);
}

void CTallywrightDlg::OnRemoveAll() {
  if (model_->Rows() == 0) return;
  model_->Clear();
  model_->SetHeader(kFileColumn, kClearedFileHeader);
  model_->SetHeader(kWordsColumn, kWordsHeader);
  model_->SetHeader(kCharsWithSpacesColumn, kCharsWithSpacesHeader);
  model_->SetHeader(kCharsColumn, kCharsHeader);
  model_->SetHeader(kAmountColumn, kAmountHeader);
  SetSaveReportEnabled(false);
}

// ---- counting ------------------------------------------------------------------------------

void CTallywrightDlg::OnCountStatistic() {
  // Two runs never interleave: a request while one runs (from the menu) is ignored.
  if (running_) return;
  context_.options = options_;
  running_ = true;
  controlsOffInRun_ = false;
  // The rows must keep their indexes from the moment the run reads them: the controls that
  // change rows or prices go off now, not only when the first counter starts.
  controlsBeforeRun_.clear();
  for (QWidget* control : CountControls()) {
    controlsBeforeRun_.push_back(control->isEnabled());
    control->setEnabled(false);
  }
  worker_->start();
}

std::vector<QWidget*> CTallywrightDlg::CountControls() const {
  return {pricingCombo_, rateEdit_, countStatistic_, removeAll_, saveReport_, remove_};
}

bool CTallywrightDlg::IsBusy() const {
  return context_.counters.AnyBusy();
}

void CTallywrightDlg::SwitchCountControls(bool enabled) {
  if (!enabled) {
    controlsOffInRun_ = true;
    // A counter that starts after the user confirmed leaving is stopped at once.
    if (closePending_) context_.counters.RequestStopOfBusy();
  } else if (running_) {
    // Rows keep their indexes until the whole run has ended: between two counters the remove
    // buttons stay off, and the worker's end switches the controls on.
    return;
  }
  for (QWidget* control : CountControls()) control->setEnabled(enabled);
}

void CTallywrightDlg::ShowCountingFile(const std::string& path, int number, int total) {
  if (closePending_) context_.counters.RequestStopOfBusy();
  SetStatus(QStringLiteral("Counting %1 (%2 of %3)").arg(Q(path)).arg(number).arg(total));
}

void CTallywrightDlg::OnWorkerFinished() {
  running_ = false;
  if (controlsOffInRun_) {
    SwitchCountControls(true);
  } else {
    // No counter ran (an empty list, or spreadsheets only): every control is as it was.
    const std::vector<QWidget*> controls = CountControls();
    for (size_t i = 0; i < controls.size() && i < controlsBeforeRun_.size(); ++i) {
      controls[i]->setEnabled(controlsBeforeRun_[i]);
    }
  }
  controlsOffInRun_ = false;
  countList_->viewport()->update();
  emit countRunFinished();
  if (closePending_) {
    closing_ = true;
    close();
  }
}

void CTallywrightDlg::OfferStop() {
  if (messages_.Show(kStopQuestion, MessageButtons::YesNo) == MessageAnswer::Yes) {
    context_.counters.RequestStopOfBusy();
  }
}

// ---- leaving -------------------------------------------------------------------------------

void CTallywrightDlg::OnCloseRequest(bool escapePressed) {
  if (escapePressed) {
    if (IsBusy()) OfferStop();
    return;
  }
  close();
}

void CTallywrightDlg::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  event->ignore();
  if (messages_.Show(kExitQuestion, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
  SaveSettings();
  if (running_) {
    CloseWhenRunEnds();
    return;
  }
  closing_ = true;
  event->accept();
}

void CTallywrightDlg::OnExitCommand() {
  if (IsBusy()) {
    OfferStop();
    return;
  }
  SaveSettings();
  if (running_) {
    CloseWhenRunEnds();
    return;
  }
  closing_ = true;
  close();
}

void CTallywrightDlg::CloseWhenRunEnds() {
  // The window must outlive the run: the worker may be waiting on this thread. Stop what is
  // busy, keep stopping each counter that starts, and close when the worker has finished.
  closePending_ = true;
  context_.counters.RequestStopOfBusy();
}

// ---- dialogs and commands ------------------------------------------------------------------

void CTallywrightDlg::OnCurrencyCommand() {
  CCurrencyDialog dialog(
      messages_, [this](const std::string& name) { AddCurrencyToCombo(name); }, this);
  dialog.exec();
}

void CTallywrightDlg::OnOptionsCommand() {
  COptions dialog(options_, this);
  dialog.exec();
}

void CTallywrightDlg::OnAboutCommand() {
  CAboutDlg dialog(this);
  dialog.exec();
}

void CTallywrightDlg::OnCalc() {
  Calculator::Start();
}

void CTallywrightDlg::OnSaveReport() {
  const std::optional<std::string> path = chooser_->ChooseReportPath(this);
  if (!path) return;
  WriteHtmlReport(*path, model_->List(), context_.current.pricing, context_.totals, messages_);
}

// ---- pricing controls ----------------------------------------------------------------------

void CTallywrightDlg::OnRateEdited(const QString& text) {
  ApplyRateText(text.toStdString());
}

void CTallywrightDlg::ApplyRateText(const std::string& text) {
  const RateCheckResult checked = CheckRateText(text);
  for (const std::string& message : checked.messages) messages_.Show(message);
  if (rateEdit_->text().toStdString() != checked.finalEditText) {
    const QSignalBlocker quiet(rateEdit_);
    rateEdit_->setText(Q(checked.finalEditText));
  }
  rateText_ = checked.finalEditText;
  OnRateChanged(*windowHost_, context_, checked.finalEditText);
}

void CTallywrightDlg::OnCurrencySelected(int index) {
  if (index < 0) return;
  OnCurrencyChanged(*windowHost_, context_, currencyCombo_->itemText(index).toStdString());
}

void CTallywrightDlg::OnPricingSelected(int index) {
  if (index < 0) return;
  OnPricingChanged(*windowHost_, context_, pricingCombo_->itemText(index).toStdString());
  countList_->viewport()->update();
}

void CTallywrightDlg::AddCurrencyToCombo(const std::string& name) {
  InsertSorted(currencyCombo_, name);
}

void CTallywrightDlg::FillCurrencyCombo() {
  for (const std::string& name : FillCurrencyComboNames(kCurrencyFileName)) {
    AddCurrencyToCombo(name);
  }
  currencyCombo_->setCurrentIndex(-1);
}

// ---- settings ------------------------------------------------------------------------------

int CTallywrightDlg::LoadSettings() {
  const QRect desk = screen()->availableGeometry();
  const WindowRect desktop{desk.left(), desk.top(), desk.left() + desk.width(),
                           desk.top() + desk.height()};
  const std::optional<StoredSettings> stored = LoadSettingsFile(kSettingsFileName, desktop);
  if (!stored) return 0;
  if (!stored->directory.empty()) browser_->SelectFolder(stored->directory);
  {
    const QSignalBlocker quiet(rateEdit_);
    rateEdit_->setText(Q(stored->rate));
  }
  ApplyRateText(stored->rate);
  currencyCombo_->setCurrentIndex(ClampComboIndex(stored->currencyIndex, currencyCombo_->count()));
  pricingCombo_->setCurrentIndex(ClampComboIndex(stored->pricingIndex, pricingCombo_->count()));
  context_.current = windowHost_->ControlValues();
  browser_->ApplyTypeChecks(*stored);
  // The folder was selected before its types were known: list it again with them.
  if (!stored->directory.empty()) browser_->RefreshFileList();
  const WindowRect& w = stored->window;
  ApplyPlacement(QRect(w.left, w.top, w.right - w.left, w.bottom - w.top));
  return 1;
}

void CTallywrightDlg::SaveSettings() {
  StoredSettings settings;
  settings.directory = browser_->SelectedFolder();
  settings.rate = rateEdit_->text().toStdString();
  settings.currencyIndex = currencyCombo_->currentIndex();
  settings.pricingIndex = pricingCombo_->currentIndex();
  browser_->StoreTypeChecks(settings);
  const QRect r = RestoredRect();
  settings.window = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  // A settings file that cannot be written is skipped: leaving the program goes on.
  SaveSettingsFile(kSettingsFileName, settings);
}

void CTallywrightDlg::ApplyPlacement(const QRect& rect) {
  if (isMaximized() || isMinimized() || isFullScreen()) showNormal();
  setGeometry(rect);
}

QRect CTallywrightDlg::RestoredRect() const {
  if (isMaximized() || isMinimized() || isFullScreen()) return normalGeometry();
  return geometry();
}

}  // namespace tw
