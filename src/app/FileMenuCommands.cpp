#include "app/FileMenuCommands.h"

#include <algorithm>
#include <filesystem>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "app/ConfigLocation.h"
#include "app/ControlIds.h"
#include "app/CountListAdder.h"
#include "app/CountListModel.h"
#include "app/DialogFileChooser.h"
#include "app/JobFile.h"
#include "app/MainWindow.h"
#include "app/PricingControls.h"
#include "app/QuoteDialog.h"
#include "counting/MessageService.h"
#include "store/CountExport.h"
#include "store/QuoteFields.h"

namespace tw {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QAction* MakeAction(const QString& text, const char* name, const QKeySequence& keys,
                    QObject* owner) {
  auto* action = new QAction(text, owner);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(keys);
  return action;
}

}  // namespace

FileMenuCommands::FileMenuCommands(MainWindow& window, MessageService& messages)
    : QObject(&window),
      window_(window),
      messages_(messages),
      ownChooser_(std::make_unique<DialogFileChooser>()),
      chooser_(ownChooser_.get()),
      recent_(RecentJobs::PathBeside(ConfigLocation::SettingsFile())) {
  recent_.Load();
  export_ = MakeAction(tr("Export..."), "exportAction", Qt::CTRL | Qt::Key_E, this);
  quote_ = MakeAction(tr("Quote..."), "quoteAction", Qt::CTRL | Qt::Key_P, this);
  openJob_ = MakeAction(tr("Open job..."), "openJobAction", QKeySequence::Open, this);
  saveJob_ = MakeAction(tr("Save job..."), "saveJobAction", Qt::CTRL | Qt::SHIFT | Qt::Key_S, this);
  connect(export_, &QAction::triggered, this, &FileMenuCommands::OnExport);
  connect(quote_, &QAction::triggered, this, &FileMenuCommands::OnQuote);
  connect(openJob_, &QAction::triggered, this, &FileMenuCommands::OnOpenJob);
  connect(saveJob_, &QAction::triggered, this, &FileMenuCommands::OnSaveJob);
}

FileMenuCommands::~FileMenuCommands() = default;

void FileMenuCommands::AddTo(QMenu* menu) {
  menu->addAction(openJob_);
  recentMenu_ = menu->addMenu(tr("Recent jobs"));
  recentMenu_->setObjectName(QStringLiteral("recentJobsMenu"));
  FillRecentMenu();
  menu->addAction(saveJob_);
  menu->addSeparator();
  menu->addAction(export_);
  menu->addAction(quote_);
  menu->addSeparator();
}

void FileMenuCommands::SetFileChooser(FileChooser* chooser) {
  chooser_ = chooser != nullptr ? chooser : ownChooser_.get();
}

bool FileMenuCommands::RefusedWhileCounting() {
  if (!window_.IsCounting()) return false;
  messages_.Show(tr("Counting in a progress. Please wait.").toStdString());
  return true;
}

std::optional<std::string> FileMenuCommands::Choose(const FileChooser::Request& request) {
  return chooser_->Choose(&window_, request);
}

// ---- export and quote ------------------------------------------------------------------------

void FileMenuCommands::OnExport() {
  if (RefusedWhileCounting()) return;
  FileChooser::Request request;
  request.title = tr("Export the count list");
  request.filters = {tr("CSV (*.csv)"), tr("Spreadsheet (*.xlsx)")};
  request.suffixes = {QStringLiteral("csv"), QStringLiteral("xlsx")};
  request.proposedName = QStringLiteral("count.csv");
  const std::optional<std::string> path = Choose(request);
  if (!path) return;
  const std::string error =
      WriteCountExport(*path, window_.Model().Rows(), window_.Model().Totals(), ExportedUnits());
  if (!error.empty()) {
    messages_.Show(tr("Couldn't export to %1: %2").arg(Q(*path), Q(error)).toStdString());
  }
}

ExportUnits FileMenuCommands::ExportedUnits() const {
  const PricingMode mode = window_.Model().CurrentMode();
  const UnitOptions& units = window_.Model().Units();
  return {mode == PricingMode::Lines, mode == PricingMode::Pages,
          units.repetitions || mode == PricingMode::WeightedWords, units};
}

void FileMenuCommands::OnQuote() {
  if (RefusedWhileCounting()) return;
  QuoteSheet sheet;
  sheet.lines = QuoteDocument::LinesOf(window_.Model().Rows(), window_.Pricing().Current().pricing);
  if (sheet.lines.empty()) {
    messages_.Show(tr("There is nothing to quote yet: count the files first.").toStdString());
    return;
  }
  sheet.currency = Q(window_.Pricing().Current().currency);
  const std::string fieldsPath = QuoteFieldsPathBeside(ConfigLocation::SettingsFile());
  sheet.fields = LoadQuoteFields(fieldsPath);
  sheet.date = QDate::currentDate();
  QuoteDialog dialog(std::move(sheet), fieldsPath, *chooser_, messages_, &window_);
  dialog.exec();
}

// ---- job files -------------------------------------------------------------------------------

Job FileMenuCommands::CurrentJob() const {
  Job job;
  job.rows = window_.Model().Rows();
  job.options = window_.Options();
  const CurrentPricing& pricing = window_.Pricing().Current();
  job.pricing = pricing.pricing;
  job.rateText = pricing.rateText;
  job.currency = pricing.currency;
  return job;
}

void FileMenuCommands::OnSaveJob() {
  if (RefusedWhileCounting()) return;
  FileChooser::Request request;
  request.title = tr("Save job");
  request.filters = {tr("Tallywright job (*.%1)").arg(QLatin1String(kJobFileSuffix))};
  request.suffixes = {QLatin1String(kJobFileSuffix)};
  request.proposedName = QStringLiteral("job.") + QLatin1String(kJobFileSuffix);
  if (const std::optional<std::string> path = Choose(request)) SaveJob(*path);
}

bool FileMenuCommands::SaveJob(const std::string& path) {
  const std::string error = WriteJobFile(path, CurrentJob());
  if (!error.empty()) {
    messages_.Show(tr("Couldn't save job %1: %2").arg(Q(path), Q(error)).toStdString());
    return false;
  }
  window_.MarkResultsSaved();
  Remember(path);
  return true;
}

void FileMenuCommands::OnOpenJob() {
  if (RefusedWhileCounting()) return;
  FileChooser::Request request;
  request.save = false;
  request.title = tr("Open job");
  request.filters = {tr("Tallywright job (*.%1)").arg(QLatin1String(kJobFileSuffix)),
                     tr("All files (*)")};
  if (const std::optional<std::string> path = Choose(request)) OpenJob(*path);
}

bool FileMenuCommands::OpenJob(const std::string& path) {
  if (RefusedWhileCounting()) return false;
  const JobRead read = ReadJobFile(path);
  const int pricingIndex =
      read.job ? window_.Pricing().PricingCombo()->findData(Q(read.job->pricing)) : -1;
  if (!read.job || pricingIndex < 0) {
    const std::string reason =
        read.job ? "its pricing \"" + read.job->pricing + "\" is unknown" : read.error;
    messages_.Show(tr("Couldn't open job %1: %2").arg(Q(path), Q(reason)).toStdString());
    // A job that has gone away leaves the recent list too.
    if (!std::filesystem::exists(path)) Forget(path);
    return false;
  }
  if (window_.HasUnsavedResults() &&
      messages_.Show(
          tr("The counts in the list have not been saved. Open the job instead?").toStdString(),
          MessageButtons::OkCancel) != MessageAnswer::Ok) {
    return false;
  }
  ApplyJob(*read.job);
  Remember(path);
  return true;
}

bool FileMenuCommands::ApplyJob(const Job& job) {
  CountListModel& model = window_.Model();
  PricingControls& pricing = window_.Pricing();
  model.Clear();
  if (!job.currency.empty() &&
      pricing.CurrencyCombo()->findText(Q(job.currency),
                                        Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0) {
    pricing.AddCurrency(job.currency);
  }
  StoredSettings stored;
  stored.rate = job.rateText;
  stored.currencyCode = job.currency;
  stored.pricingIndex = pricing.PricingCombo()->findData(Q(job.pricing));
  pricing.ApplyStored(stored);
  model.AppendRows(job.rows);
  model.SetUnitOptions(job.options.units);
  model.Reprice(PricingModeOf(job.pricing));
  model.SetHeader(kFileColumn, CountListAdder::RowCountHeader(model.RowCount()));
  window_.Options() = job.options;
  const bool counted = std::any_of(job.rows.begin(), job.rows.end(),
                                   [](const CountRow& row) { return row.counts.has_value(); });
  window_.Control(kIdSaveReport)->setEnabled(counted);
  window_.MarkResultsSaved();
  return true;
}

void FileMenuCommands::Remember(const std::string& path) {
  recent_.Add(path);
  recent_.Save();
  FillRecentMenu();
}

void FileMenuCommands::Forget(const std::string& path) {
  recent_.Remove(path);
  recent_.Save();
  FillRecentMenu();
}

void FileMenuCommands::FillRecentMenu() {
  if (recentMenu_ == nullptr) return;
  recentMenu_->clear();
  int number = 0;
  for (const std::string& path : recent_.Paths()) {
    QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++number).arg(Q(path)));
    connect(entry, &QAction::triggered, this, [this, path] { OpenJob(path); });
  }
  recentMenu_->setEnabled(!recent_.Paths().empty());
}

}  // namespace tw
