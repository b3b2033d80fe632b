#include "app/CurrencyConverterDialog.h"

#include <algorithm>
#include <cctype>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/ExchangeRates.h"
#include "text/CNumbers.h"

namespace tw {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

CurrencyConverterDialog::CurrencyConverterDialog(double amount, std::string from,
                                                 const std::vector<std::string>& names,
                                                 ExchangeRates& rates, QWidget* parent)
    : QDialog(parent),
      amount_(amount),
      from_(std::move(from)),
      rates_(rates),
      target_(new QComboBox(this)),
      rateLabel_(new QLabel(this)),
      rateEdit_(new QLineEdit(this)),
      result_(new QLabel(this)) {
  setWindowTitle(tr("Currency converter"));
  setObjectName(QStringLiteral("currencyConverterDialog"));
  target_->setObjectName(QStringLiteral("converterTarget"));
  rateEdit_->setObjectName(QStringLiteral("converterRate"));
  result_->setObjectName(QStringLiteral("converterResult"));
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  rateEdit_->setPlaceholderText(tr("e.g. 0.92"));
  rateEdit_->setToolTip(tr("How much one %1 is worth in the other currency. A comma is read as "
                           "the decimal point.")
                            .arg(Q(from_)));
  for (const std::string& name : names) {
    if (name != from_) target_->addItem(Q(name));
  }

  auto* form = new QFormLayout;
  form->addRow(tr("Total amount:"), new QLabel(Q(FormatFixed(amount_, 2) + " " + from_), this));
  form->addRow(tr("Convert to:"), target_);
  form->addRow(rateLabel_, rateEdit_);
  form->addRow(tr("Converted:"), result_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(buttons);

  connect(target_, &QComboBox::currentIndexChanged, this,
          &CurrencyConverterDialog::OnTargetChanged);
  connect(rateEdit_, &QLineEdit::textEdited, this, &CurrencyConverterDialog::OnRateEdited);
  OnTargetChanged();
}

std::optional<double> CurrencyConverterDialog::ParseRate(const std::string& text) {
  std::string number = text;
  std::replace(number.begin(), number.end(), ',', '.');
  const bool digitsAndOneDot =
      std::count(number.begin(), number.end(), '.') <= 1 &&
      std::all_of(number.begin(), number.end(),
                  [](char c) { return c == '.' || std::isdigit(static_cast<unsigned char>(c)); }) &&
      std::any_of(number.begin(), number.end(),
                  [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  if (!digitsAndOneDot) return std::nullopt;
  const double rate = ParseCDouble(number);
  if (rate <= 0.0) return std::nullopt;
  return rate;
}

std::string CurrencyConverterDialog::TargetName() const {
  return target_->currentText().toStdString();
}

void CurrencyConverterDialog::OnTargetChanged() {
  const std::string to = TargetName();
  rateEdit_->setEnabled(!to.empty());
  rateLabel_->setText(tr("1 %1 in %2:").arg(Q(from_), Q(to)));
  rateEdit_->setText(Q(rates_.Rate(from_, to).value_or(std::string())));
  if (to.empty()) {
    result_->setText(tr("Add a second currency under Tools > Currency first."));
    return;
  }
  ShowResult();
}

// Only a rate the user typed is remembered; one shown from the opposite pair is not.
void CurrencyConverterDialog::OnRateEdited() {
  if (const std::optional<std::string> rate = TypedRate()) {
    rates_.SetRate(from_, TargetName(), *rate);
  }
  ShowResult();
}

std::optional<std::string> CurrencyConverterDialog::TypedRate() const {
  std::string typed = rateEdit_->text().trimmed().toStdString();
  if (!ParseRate(typed)) return std::nullopt;
  std::replace(typed.begin(), typed.end(), ',', '.');
  return typed;
}

void CurrencyConverterDialog::ShowResult() {
  const std::optional<std::string> rate = TypedRate();
  if (!rate) {
    result_->setText(rateEdit_->text().trimmed().isEmpty()
                         ? QString()
                         : tr("Not a rate: type a number such as 0.92"));
    return;
  }
  result_->setText(Q(FormatFixed(Convert(amount_, *rate), 2) + " " + TargetName()));
}

double CurrencyConverterDialog::Convert(double amount, const std::string& rate) {
  return amount * ParseRate(rate).value_or(0.0);
}

void CurrencyConverterDialog::done(int result) {
  rates_.Save();
  QDialog::done(result);
}

}  // namespace tw
