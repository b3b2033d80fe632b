#include "app/DesktopApplication.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include "app/GuiMessageService.h"
#include "app/MainWindow.h"

namespace tw {

DesktopApplication::DesktopApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Tallywright"));
  setApplicationVersion(QStringLiteral(TALLYWRIGHT_VERSION));
  setDesktopFileName(QStringLiteral("tallywright"));
  setWindowIcon(ApplicationIcon());
}

QIcon DesktopApplication::ApplicationIcon() {
  QIcon icon;
  icon.addFile(QStringLiteral(":/tallywright/icon-48.png"));
  icon.addFile(QStringLiteral(":/tallywright/icon-256.png"));
  return icon;
}

int DesktopApplication::Run() {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Counts and prices translation jobs."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption count(QStringLiteral("count"),
                                 QStringLiteral("Count the listed files at once."));
  parser.addOption(count);
  parser.addPositionalArgument(QStringLiteral("files"),
                               QStringLiteral("Files to put into the count list."),
                               QStringLiteral("[FILE...]"));
  parser.process(*this);

  GuiMessageService messages;
  MainWindow window(messages);
  messages.SetParent(&window);
  std::vector<std::string> files;
  for (const QString& file : parser.positionalArguments()) {
    files.push_back(QFileInfo(file).absoluteFilePath().toStdString());
  }
  if (!files.empty()) window.AddFiles(files);
  window.show();
  if (parser.isSet(count)) QTimer::singleShot(0, &window, &MainWindow::OnCountStatistic);
  return exec();
}

}  // namespace tw
