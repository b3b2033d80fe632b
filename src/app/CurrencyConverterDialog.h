#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tw {

class ExchangeRates;

// "Currency converter": the count list's total amount in another currency of the list, at an
// exchange rate the user types. The rate is remembered for the pair of currencies; nothing is
// looked up on the network.
class CurrencyConverterDialog : public QDialog {
  Q_OBJECT

 public:
  CurrencyConverterDialog(double amount, std::string from, const std::vector<std::string>& names,
                          ExchangeRates& rates, QWidget* parent = nullptr);

  // A typed rate: digits with one dot or comma as the decimal separator, above zero.
  static std::optional<double> ParseRate(const std::string& text);
  // The amount in the other currency (0 for a text that is no rate).
  static double Convert(double amount, const std::string& rate);

  QComboBox* Target() const { return target_; }
  QLineEdit* RateEdit() const { return rateEdit_; }
  QLabel* Result() const { return result_; }
  void done(int result) override;

 private:
  void OnTargetChanged();
  void OnRateEdited();
  std::optional<std::string> TypedRate() const;
  void ShowResult();
  std::string TargetName() const;

  double amount_;
  std::string from_;
  ExchangeRates& rates_;
  QComboBox* target_;
  QLabel* rateLabel_;
  QLineEdit* rateEdit_;
  QLabel* result_;
};

}  // namespace tw
