#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/ReportFileChooser.h"
#include "counting/CounterFactory.h"
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

// Text counters that hold each file until the test lets it through, so a test can look at the
// window while a counter is busy. Each file counts as 10 words, 40 characters and 9 spaces.
class GatedCounterFactory : public CounterFactory {
 public:
  std::unique_ptr<Counter> Create(CounterKind kind, CountHost& host,
                                  CountContext& context) const override;
  // Lets `files` more files through (a large number opens the gate for good).
  void Allow(int files) { allowed += files; }
  mutable std::atomic<int> allowed{0};
  mutable std::atomic<int> started{0};
};

// A main window in a fresh temporary current directory (settings.ini and currency.dat go there),
// with a recording message service and a scripted save dialog.
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the window (after a test has prepared the current directory).
  MainWindow& Open();
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
  // Runs a count and waits until its worker has finished.
  void CountAndWait();
  std::string Write(const std::string& name, std::string_view bytes) {
    return dir.Write(name, bytes);
  }

  TempDir dir;
  std::filesystem::path previousDir;
  RecordingMessageService messages;
  ScriptedReportFileChooser chooser;
  std::unique_ptr<MainWindow> window;
};

}  // namespace tw::test
