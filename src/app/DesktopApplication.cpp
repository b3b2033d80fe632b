#include "app/DesktopApplication.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include "app/GuiMessageService.h"
#include "app/MainWindow.h"
#include "app/Translations.h"

namespace tw {

DesktopApplication::DesktopApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Tallywright"));
  setApplicationVersion(QStringLiteral(TALLYWRIGHT_VERSION));
  setDesktopFileName(QStringLiteral("tallywright"));
  setWindowIcon(ApplicationIcon());
  Translations::Install(*this);
}

QIcon DesktopApplication::ApplicationIcon() {
  // The installed theme icon first (scalable, as the desktop shows it), the built-in ones else.
  QIcon icon = QIcon::fromTheme(QStringLiteral("tallywright"));
  if (!icon.isNull()) return icon;
  icon.addFile(QStringLiteral(":/tallywright/icon-48.png"));
  icon.addFile(QStringLiteral(":/tallywright/icon-256.png"));
  return icon;
}

int DesktopApplication::Run() {
  QCommandLineParser parser;
  parser.setApplicationDescription(tr("Counts and prices translation jobs."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption count(QStringLiteral("count"), tr("Count the listed files at once."));
  parser.addOption(count);
  parser.addPositionalArgument(QStringLiteral("files"), tr("Files to put into the count list."),
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
