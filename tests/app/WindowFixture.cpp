#include "WindowFixture.h"

#include <thread>

#include <QAbstractButton>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/BrowserPane.h"
#include "app/CountListView.h"
#include "app/CountListModel.h"
#include "browser/CFileListCtrl.h"

namespace tw::test {
namespace {

class GatedCounter : public Counter {
 public:
  GatedCounter(CountHost& host, CountContext& context, const GatedCounterFactory& factory)
      : Counter(CounterKind::Text, host, context), factory_(factory) {}

 protected:
  FileOutcome CountFile(const std::string&) override {
    ++factory_.started;
    // Waits on the worker thread until the test lets one more file through.
    while (factory_.allowed.load() <= 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    --factory_.allowed;
    Counts() = FileCounts{10, 40, 9};
    return FileOutcome::Counted;
  }

 private:
  const GatedCounterFactory& factory_;
};

}  // namespace

std::unique_ptr<Counter> GatedCounterFactory::Create(CounterKind kind, CountHost& host,
                                                     CountContext& context) const {
  if (kind != CounterKind::Text) return StandardCounterFactory().Create(kind, host, context);
  return std::make_unique<GatedCounter>(host, context, *this);
}

void WindowFixture::SetUp() {
  previousDir = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
}

void WindowFixture::TearDown() {
  if (window) {
    if (window->IsCounting()) {
      // Let a held run finish so the window can go.
      QSignalSpy finished(window.get(), &MainWindow::countRunFinished);
      finished.wait(5000);
    }
    window.reset();
  }
  std::filesystem::current_path(previousDir);
}

MainWindow& WindowFixture::Open() {
  window = std::make_unique<MainWindow>(messages);
  window->SetReportFileChooser(&chooser);
  return *window;
}

QAbstractButton* WindowFixture::Button(int id) const {
  return qobject_cast<QAbstractButton*>(window->Control(id));
}

QComboBox* WindowFixture::Combo(int id) const {
  return qobject_cast<QComboBox*>(window->Control(id));
}

QLineEdit* WindowFixture::Edit(int id) const {
  return qobject_cast<QLineEdit*>(window->Control(id));
}

std::string WindowFixture::Header(int column) const {
  return window->Model().headerData(column, Qt::Horizontal).toString().toStdString();
}

std::string WindowFixture::Cell(int row, int column) const {
  return window->Model().Cell(row, column);
}

void WindowFixture::ListInFileList(const std::vector<std::string>& paths) {
  CFileListCtrl* list = window->Browser()->FileList();
  FileTypeFlags& flags = list->TypeFlags();
  flags.CountTxt = flags.CountDoc = flags.CountRtf = flags.CountHtm = flags.CountPPT =
      flags.CountPdf = 1;
  list->DeleteAllItems();
  // The file list shows its newest row first.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) list->AddFileToList(*it);
}

void WindowFixture::SelectInFileList(const std::vector<int>& rows) {
  CFileListCtrl* list = window->Browser()->FileList();
  list->selectionModel()->clearSelection();
  for (int row : rows) {
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

void WindowFixture::SelectCountRows(const std::vector<int>& rows) {
  CountListView* view = window->CountList();
  view->selectionModel()->clearSelection();
  for (int row : rows) {
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

void WindowFixture::Choose(QComboBox* combo, const QString& text) {
  const int index = combo->findText(text);
  ASSERT_GE(index, 0) << text.toStdString();
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void WindowFixture::CountAndWait() {
  QSignalSpy finished(window.get(), &MainWindow::countRunFinished);
  window->OnCountStatistic();
  ASSERT_TRUE(finished.wait(20000));
}

}  // namespace tw::test
