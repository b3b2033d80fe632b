#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QObject>

#include "app/FileChooser.h"
#include "store/ExportTable.h"
#include "store/RecentJobs.h"

class QAction;
class QMenu;

namespace tw {

class MainWindow;
class MessageService;
struct Job;

// The File menu's commands for what a count list becomes: Export (CSV, XLSX), Quote (PDF),
// Save job, Open job and the recent jobs. None of them runs while a count is going on.
class FileMenuCommands : public QObject {
  Q_OBJECT

 public:
  FileMenuCommands(MainWindow& window, MessageService& messages);
  ~FileMenuCommands() override;

  // Adds the entries to `menu`, a separator after them.
  void AddTo(QMenu* menu);
  // Seam for tests: where the commands save and what they open.
  void SetFileChooser(FileChooser* chooser);

  void OnExport();
  void OnQuote();
  void OnSaveJob();
  void OnOpenJob();
  // Opens a job file: the list, its pricing and options become the job's. A file that cannot be
  // read changes nothing and says why; false then.
  bool OpenJob(const std::string& path);
  bool SaveJob(const std::string& path);

  QAction* ExportAction() const { return export_; }
  QAction* QuoteAction() const { return quote_; }
  QAction* SaveJobAction() const { return saveJob_; }
  QAction* OpenJobAction() const { return openJob_; }
  QMenu* RecentMenu() const { return recentMenu_; }
  const RecentJobs& Recent() const { return recent_; }

 private:
  bool RefusedWhileCounting();
  std::optional<std::string> Choose(const FileChooser::Request& request);
  Job CurrentJob() const;
  // The unit columns the window shows: the priced unit, and the repetition columns when found.
  ExportUnits ExportedUnits() const;
  bool ApplyJob(const Job& job);
  void Remember(const std::string& path);
  void Forget(const std::string& path);
  void FillRecentMenu();

  MainWindow& window_;
  MessageService& messages_;
  std::unique_ptr<FileChooser> ownChooser_;
  FileChooser* chooser_;
  RecentJobs recent_;
  QAction* export_ = nullptr;
  QAction* quote_ = nullptr;
  QAction* saveJob_ = nullptr;
  QAction* openJob_ = nullptr;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace tw
