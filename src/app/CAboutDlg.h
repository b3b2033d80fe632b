#pragma once

#include <QDialog>

namespace tw {

// "About": the application icon, "TLW Version 3.0" and "OK".
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace tw
