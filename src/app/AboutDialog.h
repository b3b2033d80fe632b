#pragma once

#include <QDialog>

namespace tw {

// "About": the application icon, "TLW Version 3.0" and "OK".
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace tw
