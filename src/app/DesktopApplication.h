#pragma once

#include <QApplication>

namespace tw {

// The application object: names the program, sets its icon and runs the main window until it
// closes.
class DesktopApplication : public QApplication {
  Q_OBJECT

 public:
  DesktopApplication(int& argc, char** argv);

  // Shows the main window and runs until it has closed; the program's exit status.
  int Run();

  static QIcon ApplicationIcon();
};

}  // namespace tw
