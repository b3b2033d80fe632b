#pragma once

#include <string>

#include <QDialog>

class QLineEdit;

namespace tw {

// "New currency": one edit field, "OK" and "Cancel". OK hands back the typed text untrimmed;
// Cancel hands back nothing.
class AddCurrencyDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AddCurrencyDialog(QWidget* parent = nullptr);

  QLineEdit* NameEdit() const { return edit_; }
  // The typed text after OK, empty otherwise.
  const std::string& NewCurrency() const { return newCurrency_; }

  void accept() override;

 private:
  QLineEdit* edit_;
  std::string newCurrency_;
};

}  // namespace tw
