// A test program that saves every file the system keeps, over and over, so that a test can kill
// it (SIGKILL) at any moment and look at what is left.
//
//   tallywright-kept-file-saver once old|new FOLDER   writes one version of every file and exits
//   tallywright-kept-file-saver loop FOLDER           writes new, old, new, ... until killed;
//                                                     prints "saving\n" once the loop starts
//
// The two versions differ in length, so a torn write cannot pass for either.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "counting/CountRow.h"
#include "counting/MessageService.h"
#include "store/CountExport.h"
#include "store/CurrencyList.h"
#include "store/ExchangeRates.h"
#include "store/HtmlReport.h"
#include "store/SettingsModel.h"
#ifdef TW_SAVER_WRITES_JOBS
#include "app/JobFile.h"
#endif

namespace {

class SilentMessages : public tw::MessageService {
 public:
  tw::MessageAnswer Show(const std::string&, tw::MessageButtons, tw::MessageIcon) override {
    return tw::MessageAnswer::Ok;
  }
};

tw::StoredSettings SettingsVersion(bool newer) {
  tw::StoredSettings settings = tw::FirstStartSettings("/home/someone");
  settings.rate = newer ? "0.125" : "0.01";
  settings.directory = newer ? "/srv/translations/" + std::string(300, 'n') : "/home/someone";
  for (int i = 0; newer && i < tw::kRecentFolderCount; ++i)
    settings.recentFolders.push_back("/srv/jobs/" + std::to_string(i));
  return settings;
}

std::vector<tw::CountRow> ReportRows(bool newer) {
  std::vector<tw::CountRow> rows;
  for (int i = 0; i < (newer ? 40 : 3); ++i) {
    tw::CountRow& row = rows.emplace_back();
    row.path = "/srv/jobs/file-" + std::to_string(i) + ".docx";
    row.counts = tw::FileCounts{i, 5 * i, i};
    row.currency = "EUR";
    row.rateText = "0.1";
    row.rate = 0.1;
    row.amount = 0.0;
  }
  return rows;
}

tw::CountTotals TotalsOf(const std::vector<tw::CountRow>& rows) {
  tw::CountTotals totals;
  for (const tw::CountRow& row : rows) totals.Add(*row.counts, row.amount.value_or(0.0));
  return totals;
}

bool SaveAll(const std::string& folder, bool newer) {
  SilentMessages messages;
  bool saved = tw::SaveSettingsFile(folder + "/settings.ini", SettingsVersion(newer));
  std::vector<std::string> currencies{"USD", "EUR"};
  for (int i = 0; newer && i < 100; ++i) currencies.push_back("C" + std::to_string(i));
  saved = tw::SaveCurrencyDialogNames(folder + "/currency.dat", currencies) && saved;
  saved = tw::WriteHtmlReport(folder + "/report.html", ReportRows(newer), "Words", {}, messages) &&
          saved;
  const std::vector<tw::CountRow> rows = ReportRows(newer);
  saved = tw::WriteCountExport(folder + "/export.csv", rows, TotalsOf(rows)).empty() && saved;
  saved = tw::WriteCountExport(folder + "/export.xlsx", rows, TotalsOf(rows)).empty() && saved;
#ifdef TW_SAVER_WRITES_JOBS
  tw::Job job;
  job.rows = rows;
  job.pricing = "Words";
  job.rateText = "0.1";
  job.currency = "EUR";
  saved = tw::WriteJobFile(folder + "/job.tlwjob", job).empty() && saved;
#endif
  tw::ExchangeRates rates(folder + "/" + tw::kExchangeRatesFileName);
  for (int i = 0; i < (newer ? 50 : 1); ++i) rates.SetRate("C" + std::to_string(i), "EUR", "1.5");
  return rates.Save() && saved;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "once") return SaveAll(args[2], args[1] == "new") ? 0 : 1;
  if (args.size() == 2 && args[0] == "loop") {
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    for (bool newer = true;; newer = !newer) SaveAll(args[1], newer);
  }
  std::fputs("usage: tallywright-kept-file-saver once old|new FOLDER | loop FOLDER\n", stderr);
  return 2;
}
