#include "app/CTallywrightApp.h"

#include <QIcon>

#include "app/CTallywrightDlg.h"
#include "app/GuiMessageService.h"

namespace tw {

CTallywrightApp::CTallywrightApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Tallywright"));
  setApplicationVersion(QStringLiteral(TALLYWRIGHT_VERSION));
  setDesktopFileName(QStringLiteral("tallywright"));
  setWindowIcon(ApplicationIcon());
}

QIcon CTallywrightApp::ApplicationIcon() {
  QIcon icon;
  icon.addFile(QStringLiteral(":/tallywright/icon-48.png"));
  icon.addFile(QStringLiteral(":/tallywright/icon-256.png"));
  return icon;
}

int CTallywrightApp::Run() {
  GuiMessageService messages;
  CTallywrightDlg window(messages);
  messages.SetParent(&window);
  window.show();
  return exec();
}

}  // namespace tw
