#pragma once

#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <QByteArray>

#include "app/CountJobRunner.h"
#include "app/MainWindow.h"
#include "app/ReportFileChooser.h"
#include "support/RecordingMessageService.h"
#include "support/TempDir.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;

namespace tw::test {

// A save dialog whose answer the test sets.
class ScriptedReportFileChooser : public ReportFileChooser {
 public:
  std::optional<std::string> ChooseReportPath(QWidget*) override {
    ++asked;
    return next;
  }
  std::optional<std::string> next;
  int asked = 0;
};

// Holds the count job's worker before each file until the test lets the file through, so a test
// can look at the window while a batch is busy. The window thread is never held.
class FileGate {
 public:
  void Install(CountJobRunner& runner);
  // Lets `files` more files through (a large number opens the gate for good).
  void Allow(int files);
  // How many files have reached the gate.
  int Started();

 private:
  void Pass();

  std::mutex mutex_;
  std::condition_variable opened_;
  int allowed_ = 0;
  int started_ = 0;
};

// A main window in a fresh temporary current directory, with its own home folder and
// configuration folder (settings.ini and currency.dat go there unless a test puts a settings.ini
// into the current directory), a recording message service and a scripted save dialog.
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the window (after a test has prepared the current directory), showing its boxes
  // through `service` (the recording service unless told).
  MainWindow& Open(MessageService* service = nullptr);
  MainWindow& W() { return *window; }

  QAbstractButton* Button(int id) const;
  QComboBox* Combo(int id) const;
  QLineEdit* Edit(int id) const;
  std::string Header(int column) const;
  std::string Cell(int row, int column) const;
  // Adds rows as "Add all" does, from a file list holding `paths` in this order.
  void ListInFileList(const std::vector<std::string>& paths);
  void SelectInFileList(const std::vector<int>& rows);
  void SelectCountRows(const std::vector<int>& rows);
  // Picks an entry of a combo as the user does.
  void Choose(QComboBox* combo, const QString& text);
  // Runs a count and waits until the window has taken its end.
  void CountAndWait();
  std::string Write(const std::string& name, std::string_view bytes) {
    return dir.Write(name, bytes);
  }
  // The folder $XDG_CONFIG_HOME/tallywright, and a file written there.
  std::filesystem::path Config() const { return dir.Path() / "config" / "tallywright"; }
  std::filesystem::path Home() const { return dir.Path() / "home"; }
  std::string WriteConfig(const std::string& name, std::string_view bytes);

  TempDir dir;
  std::filesystem::path previousDir;
  QByteArray previousHome;
  QByteArray previousConfigHome;
  RecordingMessageService messages;
  ScriptedReportFileChooser chooser;
  FileGate gate;  // installed by tests that hold files
  std::unique_ptr<MainWindow> window;
};

}  // namespace tw::test
