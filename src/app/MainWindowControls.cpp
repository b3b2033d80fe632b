// The main window's controls, menus and status bar as it is built: each control is registered
// under its id, which the layout, the settings and the tests find it by.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "app/BrowserPane.h"
#include "app/ControlIds.h"
#include "app/CountListActions.h"
#include "app/CountListModel.h"
#include "app/CountListView.h"
#include "app/DroppedFiles.h"
#include "app/FileListActions.h"
#include "app/FileMenuCommands.h"
#include "app/MainWindow.h"
#include "app/PricingControls.h"
#include "app/WindowCountRun.h"
#include "browser/FileList.h"
#include "browser/FolderTree.h"

namespace tw {

void MainWindow::Register(QWidget* control, int id, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  control->setProperty(kControlIdProperty, id);
  controls_[id] = control;
}

QPushButton* MainWindow::AddButton(QWidget* area, const QString& caption, const char* name,
                                   int id) {
  auto* button = new QPushButton(caption, area);
  button->setAutoDefault(false);
  Register(button, id, name);
  return button;
}

void MainWindow::CreateControls(QWidget* area) {
  // The frames first, so every control they surround is drawn above them.
  Register(new QGroupBox(area), kIdTypeFrame, "typeFrame");
  Register(new QGroupBox(area), kIdRemoveFrame, "removeFrame");
  Register(new QGroupBox(area), kIdBottomFrame, "bottomFrame");

  browser_ = new BrowserPane(area);
  // Failures of the tree's own commands appear in the application's message boxes.
  browser_->Tree()->SetMessageService(&service_);
  for (QWidget* control : std::initializer_list<QWidget*>{
           browser_->Tree(), browser_->Files(), browser_->AddAllButton(),
           browser_->AddSelectedButton(), browser_->AddSubfoldersButton(), browser_->HomeButton(),
           browser_->PathField()}) {
    controls_[control->property(kControlIdProperty).toInt()] = control;
  }
  for (const BrowserPane::TypeBox& box : BrowserPane::kTypeBoxes) {
    controls_[box.id] = browser_->TypeCheckBox(box.type);
  }
  controls_[kIdMoreTypesButton] = browser_->MoreTypesButton();
  connect(browser_, &BrowserPane::addSelectedRequested, this, &MainWindow::OnAddSelected);
  connect(browser_, &BrowserPane::addAllRequested, this, &MainWindow::OnAddAll);
  connect(browser_, &BrowserPane::addSubfoldersRequested, this, &MainWindow::OnAddSubfolders);
  connect(browser_, &BrowserPane::subtreeListed, this, [this] { SetStatus(QStringLiteral(" ")); });

  model_ = new CountListModel(this);
  countList_ = new CountListView(area);
  countList_->SetCountModel(model_);
  Register(countList_, kIdCountList, "countList");

  removeAll_ = AddButton(area, tr("Remove All"), "removeAllButton", kIdRemoveAll);
  remove_ = AddButton(area, tr("Remove"), "removeButton", kIdRemove);
  countStatistic_ =
      AddButton(area, tr("Count Statistic"), "countStatisticButton", kIdCountStatistic);
  saveReport_ = AddButton(area, tr("Save Report"), "saveReportButton", kIdSaveReport);
  remove_->setToolTip(tr("Removes the selected rows (Delete)"));
  countStatistic_->setToolTip(tr("Counts every file of the list (F5)"));
  saveReport_->setToolTip(tr("Saves the list as an HTML report (Ctrl+S)"));
  connect(removeAll_, &QPushButton::clicked, this, &MainWindow::OnRemoveAll);
  connect(remove_, &QPushButton::clicked, this, &MainWindow::OnRemove);
  connect(countStatistic_, &QPushButton::clicked, this, &MainWindow::OnCountStatistic);
  connect(saveReport_, &QPushButton::clicked, this, &MainWindow::OnSaveReport);
  CreatePricingControls(area);
}

void MainWindow::CreatePricingControls(QWidget* area) {
  pricing_ = new PricingControls(area, *model_, messages_);
  Register(pricing_->Calc(), kIdCalc, "calcButton");
  Register(pricing_->Label(), kIdPricingLabel, "pricingLabel");
  Register(pricing_->RateEdit(), kIdRateEdit, "rateEdit");
  Register(pricing_->CurrencyCombo(), kIdCurrencyCombo, "currencyCombo");
  Register(pricing_->PricingCombo(), kIdPricingCombo, "pricingCombo");
  model_->SetPricingSource([this] { return pricing_->Current().pricing; });
  connect(pricing_, &PricingControls::pricingModeChanged, countList_->viewport(),
          qOverload<>(&QWidget::update));
  // The lines, pages or weighted words priced show after the amount, and only then.
  countList_->setColumnHidden(kPricedUnitsColumn, true);
  connect(pricing_, &PricingControls::pricingModeChanged, this,
          [this] { countList_->setColumnHidden(kPricedUnitsColumn, !model_->PricesUnits()); });
}

void MainWindow::CreateCountRun() {
  WindowCountRun::Parts parts;
  parts.model = model_;
  parts.pricing = pricing_;
  parts.messages = &messages_;
  parts.status = statusPanes_[0];
  parts.countControls = {pricing_->PricingCombo(),
                         pricing_->RateEdit(),
                         countStatistic_,
                         removeAll_,
                         saveReport_,
                         remove_};
  run_ = new WindowCountRun(std::move(parts), this);
  connect(run_, &WindowCountRun::finished, this, &MainWindow::OnRunFinished);
}

void MainWindow::CreateMenus() {
  auto add = [this](QMenu* menu, const QString& caption, int id, void (MainWindow::*slot)()) {
    QAction* action = menu->addAction(caption);
    action->setProperty(kCommandIdProperty, id);
    if (slot != nullptr) connect(action, &QAction::triggered, this, slot);
    commands_[id] = action;
  };
  QMenu* file = menuBar()->addMenu(tr("&File"));
  add(file, tr("Count statistics"), kCmdCountStatistics, &MainWindow::OnCountStatistic);
  add(file, tr("Currency converter"), kCmdCurrencyConverter,
      &MainWindow::OnCurrencyConverterCommand);
  file->addSeparator();
  fileCommands_ = new FileMenuCommands(*this, service_);
  fileCommands_->AddTo(file);
  add(file, tr("Exit"), kCmdExit, &MainWindow::OnExitCommand);
  QMenu* tools = menuBar()->addMenu(tr("&Tools"));
  add(tools, tr("Currency"), kCmdCurrency, &MainWindow::OnCurrencyCommand);
  add(tools, tr("Options"), kCmdOptions, &MainWindow::OnOptionsCommand);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  add(help, tr("About"), kCmdAbout, &MainWindow::OnAboutCommand);

  // Escape never closes the window: it is the stop request of a running count.
  auto* escape = new QAction(this);
  escape->setObjectName(QStringLiteral("escapeAction"));
  escape->setShortcut(QKeySequence(Qt::Key_Escape));
  escape->setShortcutContext(Qt::WindowShortcut);
  connect(escape, &QAction::triggered, this, [this] { OnCloseRequest(true); });
  addAction(escape);
}

void MainWindow::CreateListActions() {
  countListActions_ = new CountListActions(countList_, model_, this);
  // Rows keep their places while a run counts them: the Remove button is off then, and so is
  // Delete.
  countListActions_->SetRemoveAllowed([this] { return remove_->isEnabled(); });
  connect(countListActions_, &CountListActions::removeRequested, this, &MainWindow::OnRemove);
  fileListActions_ = new FileListActions(browser_->Files(), this);
  connect(fileListActions_, &FileListActions::addRequested, this, &MainWindow::OnAddSelected);

  dropped_ = new DroppedFiles(this);
  connect(countList_, &CountListView::pathsDropped, this, &MainWindow::AddDroppedPaths);
  connect(dropped_, &DroppedFiles::filesFound, this, &MainWindow::AddFiles);
  connect(dropped_, &DroppedFiles::finished, this, [this] { SetStatus(QStringLiteral(" ")); });
}

// The keys of the desktop's usual commands. A key whose button is off (during a run) does
// nothing, as the button would.
void MainWindow::CreateShortcuts() {
  Command(kCmdCountStatistics)->setShortcut(QKeySequence(Qt::Key_F5));
  Command(kCmdExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  Command(kCmdAbout)->setShortcut(QKeySequence(Qt::Key_F1));
  auto* save = new QAction(tr("Save Report"), this);
  save->setObjectName(QStringLiteral("saveReportAction"));
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  save->setShortcutContext(Qt::WindowShortcut);
  connect(save, &QAction::triggered, this, [this] {
    if (saveReport_->isEnabled()) OnSaveReport();
  });
  addAction(save);
}

// Tab goes through the window as it reads: the folder bar, the browser, its buttons and type
// boxes, the count list, the buttons under it, then the bottom row from left to right.
void MainWindow::SetTabOrder() {
  const int order[] = {
      kIdHomeButton,    kIdFolderPath,   kIdFolderTree,     kIdFileList,  kIdAddSubfolders,
      kIdAddAll,        kIdAddSelected,  kIdDocCheck,       kIdRtfCheck,  kIdTxtCheck,
      kIdHtmCheck,      kIdPptCheck,     kIdXlsCheck,       kIdPdfCheck,  kIdMoreTypesButton,
      kIdCountList,     kIdRemoveAll,    kIdRemove,         kIdCalc,      kIdRateEdit,
      kIdCurrencyCombo, kIdPricingCombo, kIdCountStatistic, kIdSaveReport};
  for (size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(Control(order[i - 1]), Control(order[i]));
  }
}

void MainWindow::CreateStatusBar() {
  statusPanes_[0] = new QLabel(QStringLiteral("  "), this);
  statusPanes_[0]->setObjectName(QStringLiteral("statusPane0"));
  statusPanes_[1] = new QLabel(QStringLiteral(" "), this);
  statusPanes_[1]->setObjectName(QStringLiteral("statusPane1"));
  statusBar()->addWidget(statusPanes_[0]);
  statusBar()->addWidget(statusPanes_[1], 1);
}

}  // namespace tw
