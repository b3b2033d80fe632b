#pragma once

#include <string>

#include <QObject>

#include "app/CurrentPricing.h"
#include "store/SettingsModel.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tw {

class CountListModel;
class MessageQueue;

// The bottom row's pricing controls: "Calc", the "Pricing:" label, the rate edit, the currency
// combo and the pricing combo. They keep the current values and carry each change into the
// count list's rows: a new rate or pricing mode prices every row again, a new currency only
// relabels them.
class PricingControls : public QObject {
  Q_OBJECT

 public:
  PricingControls(QWidget* area, CountListModel& model, MessageQueue& messages);

  QPushButton* Calc() const { return calc_; }
  QLineEdit* Label() const { return label_; }
  QLineEdit* RateEdit() const { return rateEdit_; }
  QComboBox* CurrencyCombo() const { return currencyCombo_; }
  QComboBox* PricingCombo() const { return pricingCombo_; }

  const CurrentPricing& Current() const { return current_; }
  // The end of a count run: the current values become what the controls show.
  void TakeFromControls();

  // Puts a name into the currency combo in the currency list's order.
  void AddCurrency(const std::string& name);
  // Fills the currency combo from the currency file, with nothing selected.
  void FillCurrencyCombo();
  // The stored rate, currency and pricing entries: the currency by its name when the combo has
  // it, else by index; indexes are clamped to the entries there are.
  void ApplyStored(const StoredSettings& stored);
  // The selected currency's name, empty when none is selected.
  std::string SelectedCurrency() const;
  // The selected pricing mode's name ("Words", ...) whatever language the combo shows it in;
  // empty when none is selected.
  std::string SelectedPricing() const;

 signals:
  // The grey column follows the mode: the view repaints.
  void pricingModeChanged();

 private:
  void OnRateEdited(const QString& text);
  void ApplyRateText(const std::string& beforeCursor, const std::string& afterCursor);
  void ShowRateHint();
  void OnCurrencySelected(int index);
  void OnPricingSelected(int index);

  CountListModel& model_;
  MessageQueue& messages_;
  QPushButton* calc_;
  QLineEdit* label_;
  QLineEdit* rateEdit_;
  QComboBox* currencyCombo_;
  QComboBox* pricingCombo_;
  CurrentPricing current_;
};

}  // namespace tw
