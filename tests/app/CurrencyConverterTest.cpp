#include <gtest/gtest.h>

#include <optional>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"
#include "app/ControlIds.h"
#include "app/CurrencyConverterDialog.h"
#include "store/ExchangeRates.h"

namespace tw {
namespace {

TEST(CurrencyConverterRate, TakesDigitsWithOneDecimalSeparator) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"0.92", 0.92}, {"1,5", 1.5},  {"12", 12.0}, {".5", 0.5}, {"0", {}},        {"", {}},
      {"1.2.3", {}},  {"1,2.3", {}}, {"-1", {}},   {"1e3", {}}, {"0.92 EUR", {}}, {".", {}},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(CurrencyConverterDialog::ParseRate(text), expected) << text;
  }
}

class CurrencyConverterTest : public test::WindowFixture {
 protected:
  std::string RatesPath() const { return (dir.Path() / kExchangeRatesFileName).string(); }
  std::unique_ptr<CurrencyConverterDialog> Dialog(double amount, const std::string& from) {
    rates = std::make_unique<ExchangeRates>(RatesPath());
    rates->Load();
    return std::make_unique<CurrencyConverterDialog>(
        amount, from, std::vector<std::string>{"EUR", "GBP", "USD"}, *rates);
  }
  static void Type(CurrencyConverterDialog& dialog, const QString& text) {
    dialog.RateEdit()->clear();
    QTest::keyClicks(dialog.RateEdit(), text);
  }
  std::unique_ptr<ExchangeRates> rates;
};

TEST_F(CurrencyConverterTest, ConvertsTheTotalAtTheTypedRate) {
  auto dialog = Dialog(123.45, "USD");
  // The currency converted from is not offered as a target.
  ASSERT_EQ(dialog->Target()->count(), 2);
  EXPECT_EQ(dialog->Target()->currentText(), "EUR");
  EXPECT_EQ(dialog->Result()->text(), "");
  Type(*dialog, "0,8");
  EXPECT_EQ(dialog->Result()->text(), "98.76 EUR");
  Type(*dialog, "abc");
  EXPECT_TRUE(dialog->Result()->text().startsWith("Not a rate"));
}

TEST_F(CurrencyConverterTest, RemembersTheRatePerPairAcrossOpenings) {
  {
    auto dialog = Dialog(10.0, "USD");
    Type(*dialog, "0.5");
    dialog->Target()->setCurrentText("GBP");
    EXPECT_EQ(dialog->RateEdit()->text(), "");
    Type(*dialog, "0,25");
    dialog->reject();
  }
  auto dialog = Dialog(10.0, "USD");
  EXPECT_EQ(dialog->RateEdit()->text(), "0.5");
  EXPECT_EQ(dialog->Result()->text(), "5.00 EUR");
  dialog->Target()->setCurrentText("GBP");
  EXPECT_EQ(dialog->RateEdit()->text(), "0.25");
  EXPECT_EQ(dialog->Result()->text(), "2.50 GBP");
}

TEST_F(CurrencyConverterTest, TheFileMenuOpensItWithTheTotalAndTheCurrency) {
  Open();
  ListInFileList({Write("a.txt", "one two three four")});
  W().OnAddAll();
  Choose(Combo(kIdPricingCombo), "Words");
  Choose(Combo(kIdCurrencyCombo), "EUR");
  Edit(kIdRateEdit)->setText("0.5");
  CountAndWait();
  QString shown;
  QTimer::singleShot(0, [&shown] {
    auto* dialog = qobject_cast<CurrencyConverterDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    EXPECT_NE(dialog->Target()->findText("USD"), -1);
    EXPECT_EQ(dialog->Target()->findText("EUR"), -1);
    dialog->Target()->setCurrentText("USD");
    dialog->RateEdit()->setText("2");
    emit dialog->RateEdit()->textEdited("2");
    shown = dialog->Result()->text();
    dialog->reject();
  });
  W().Command(kCmdCurrencyConverter)->trigger();
  EXPECT_EQ(shown, "4.00 USD");
  EXPECT_TRUE(std::filesystem::exists(Config() / kExchangeRatesFileName));
}

}  // namespace
}  // namespace tw
