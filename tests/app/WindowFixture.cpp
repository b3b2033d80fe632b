#include "WindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/BrowserPane.h"
#include "app/CountListModel.h"
#include "app/CountListView.h"
#include "browser/FileList.h"

namespace tw::test {

void FileGate::Install(CountJobRunner& runner) {
  runner.SetWorkerHook([this](int) { Pass(); });
}

void FileGate::Allow(int files) {
  {
    const std::lock_guard lock(mutex_);
    allowed_ += files;
  }
  opened_.notify_all();
}

int FileGate::Started() {
  const std::lock_guard lock(mutex_);
  return started_;
}

void FileGate::Pass() {
  std::unique_lock lock(mutex_);
  ++started_;
  opened_.wait(lock, [this] { return allowed_ > 0; });
  --allowed_;
}

void WindowFixture::SetUp() {
  previousDir = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  previousHome = qgetenv("HOME");
  previousConfigHome = qgetenv("XDG_CONFIG_HOME");
  std::filesystem::create_directories(Home());
  qputenv("HOME", QByteArray::fromStdString(Home().string()));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir.Path() / "config").string()));
}

std::string WindowFixture::WriteConfig(const std::string& name, std::string_view bytes) {
  std::filesystem::create_directories(Config());
  return dir.Write((std::filesystem::path("config") / "tallywright" / name).string(), bytes);
}

void WindowFixture::TearDown() {
  gate.Allow(1 << 20);
  if (window) {
    if (window->IsCounting()) {
      // Let a held run finish so the window can go.
      QSignalSpy finished(window.get(), &MainWindow::countRunFinished);
      finished.wait(5000);
    }
    window.reset();
  }
  std::filesystem::current_path(previousDir);
  qputenv("HOME", previousHome);
  if (previousConfigHome.isEmpty()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", previousConfigHome);
  }
}

MainWindow& WindowFixture::Open(MessageService* service) {
  window = std::make_unique<MainWindow>(service != nullptr ? *service : messages);
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
  FileList* list = window->Browser()->Files();
  FileTypeFlags& flags = list->TypeFlags();
  flags.CountTxt = flags.CountDoc = flags.CountRtf = flags.CountHtm = flags.CountPPT =
      flags.CountPdf = 1;
  list->DeleteAllItems();
  // The file list shows its newest row first.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) list->AddFileToList(*it);
}

void WindowFixture::SelectInFileList(const std::vector<int>& rows) {
  FileList* list = window->Browser()->Files();
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
