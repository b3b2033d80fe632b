#include "app/PricingControls.h"

#include <utility>
#include <vector>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolTip>

#include "app/Calculator.h"
#include "app/ConfigLocation.h"
#include "app/CountListModel.h"
#include "app/MessageQueue.h"
#include "counting/Pricing.h"
#include "counting/RateEntry.h"
#include "store/CurrencyList.h"
#include "store/SettingsModel.h"
#include "text/CNumbers.h"

namespace tw {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// Inserts a name into a combo kept in the currency order, after any equal names.
void InsertSorted(QComboBox* combo, const std::string& name) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
  const int current = combo->currentIndex();
  const QString typed = combo->currentText();
  combo->insertItem(static_cast<int>(CurrencyInsertIndex(items, name)), Q(name));
  // A combo without selection keeps none, whatever was inserted, and keeps any typed text.
  if (current < 0) {
    combo->setCurrentIndex(-1);
    combo->setEditText(typed);
  }
}

QComboBox* MakeCurrencyCombo(QWidget* area) {
  auto* combo = new QComboBox(area);
  combo->setEditable(true);
  // Typed text is never added as an entry: the entries come from the program alone.
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

// A typed mode that is none of the entries would price by characters without a word, so the
// pricing combo offers its entries only; typing a letter jumps to a matching one.
QComboBox* MakePricingCombo(QWidget* area) {
  auto* combo = new QComboBox(area);
  combo->setEditable(false);
  return combo;
}

}  // namespace

PricingControls::PricingControls(QWidget* area, CountListModel& model, MessageQueue& messages)
    : QObject(area),
      model_(model),
      messages_(messages),
      calc_(new QPushButton(tr("Calc"), area)),
      label_(new QLineEdit(area)),
      rateEdit_(new QLineEdit(area)),
      currencyCombo_(MakeCurrencyCombo(area)),
      pricingCombo_(MakePricingCombo(area)) {
  calc_->setAutoDefault(false);
  connect(calc_, &QPushButton::clicked, this, [] { Calculator::Start(); });
  label_->setReadOnly(true);
  label_->setFrame(false);
  label_->setFocusPolicy(Qt::NoFocus);
  connect(rateEdit_, &QLineEdit::textChanged, this, &PricingControls::OnRateEdited);
  connect(currencyCombo_, &QComboBox::activated, this, &PricingControls::OnCurrencySelected);
  // The entries keep the file's order whatever the language; each carries its mode's name.
  const std::pair<const char*, QString> modes[] = {
      {kPricingChars, tr("Chars")}, {kPricingCharsAndSpaces, tr("Chars & spaces")},
      {kPricingWords, tr("Words")}, {kPricingLines, tr("Lines")},
      {kPricingPages, tr("Pages")}, {kPricingWeightedWords, tr("Weighted words")},
  };
  for (const auto& [mode, caption] : modes)
    pricingCombo_->addItem(caption, QString::fromLatin1(mode));
  pricingCombo_->setCurrentIndex(-1);
  connect(pricingCombo_, &QComboBox::activated, this, &PricingControls::OnPricingSelected);
}

void PricingControls::TakeFromControls() {
  current_.rateText = rateEdit_->text().toStdString();
  current_.rate = ParseCDouble(current_.rateText);
  current_.currency = currencyCombo_->currentText().toStdString();
  current_.pricing = SelectedPricing();
}

void PricingControls::AddCurrency(const std::string& name) {
  InsertSorted(currencyCombo_, name);
}

void PricingControls::FillCurrencyCombo() {
  for (const std::string& name : FillCurrencyComboNames(ConfigLocation::CurrencyFile()))
    AddCurrency(name);
  currencyCombo_->setCurrentIndex(-1);
}

void PricingControls::ApplyStored(const StoredSettings& stored) {
  {
    const QSignalBlocker quiet(rateEdit_);
    rateEdit_->setText(Q(stored.rate));
  }
  ApplyRateText(stored.rate, {});
  const int byName = stored.currencyCode.empty()
                         ? -1
                         : currencyCombo_->findText(Q(stored.currencyCode),
                                                    Qt::MatchFixedString | Qt::MatchCaseSensitive);
  currencyCombo_->setCurrentIndex(
      byName >= 0 ? byName : ClampComboIndex(stored.currencyIndex, currencyCombo_->count()));
  pricingCombo_->setCurrentIndex(ClampComboIndex(stored.pricingIndex, pricingCombo_->count()));
  TakeFromControls();
  emit pricingModeChanged();
}

std::string PricingControls::SelectedCurrency() const {
  const int index = currencyCombo_->currentIndex();
  return index < 0 ? std::string() : currencyCombo_->itemText(index).toStdString();
}

std::string PricingControls::SelectedPricing() const {
  return pricingCombo_->currentData().toString().toStdString();
}

void PricingControls::OnRateEdited(const QString& text) {
  const int cursor = rateEdit_->cursorPosition();
  ApplyRateText(text.left(cursor).toStdString(), text.mid(cursor).toStdString());
}

void PricingControls::ApplyRateText(const std::string& beforeCursor,
                                    const std::string& afterCursor) {
  const RateInputResult checked = CheckRateInput(beforeCursor, afterCursor);
  // A hint at the edit rather than a box: a box per keystroke would take the typing away.
  if (checked.rejected > 0) ShowRateHint();
  for (const std::string& message : checked.messages) messages_.Post(message);
  if (rateEdit_->text().toStdString() != checked.text) {
    const QSignalBlocker quiet(rateEdit_);
    rateEdit_->setText(Q(checked.text));
    rateEdit_->setCursorPosition(static_cast<int>(checked.cursor));
  }
  current_.rateText = checked.text;
  current_.rate = ParseCDouble(current_.rateText);
  if (model_.RowCount() == 0) return;
  model_.SetRate(current_.rateText, current_.rate);
  model_.Reprice(PricingModeOf(current_.pricing));
}

void PricingControls::ShowRateHint() {
  const QPoint below(0, rateEdit_->height());
  QToolTip::showText(rateEdit_->mapToGlobal(below), tr("Numbers only!"), rateEdit_);
}

void PricingControls::OnCurrencySelected(int index) {
  if (index < 0) return;
  current_.currency = currencyCombo_->itemText(index).toStdString();
  if (model_.RowCount() > 0) model_.SetCurrency(current_.currency);
}

void PricingControls::OnPricingSelected(int index) {
  if (index < 0) return;
  current_.pricing = pricingCombo_->itemData(index).toString().toStdString();
  if (model_.RowCount() > 0) model_.Reprice(PricingModeOf(current_.pricing));
  emit pricingModeChanged();
}

}  // namespace tw
